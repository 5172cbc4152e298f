// The print command (Print button and File > Print): the run log as it is
// when the command starts, printed on the printer chosen in the Print dialog
// through the copy "print.txt". The main window gathers the record.
#pragma once

#include <cstdint>
#include <string>
#include <windows.h>

namespace orva {

struct PrintRequest {
  HWND owner = nullptr;      // the main window
  std::string curLanguage;   // UTF-8
  std::string printTitle;    // UTF-8, text of txtPrintTitle
  std::string limitHigh;     // UTF-8, text of txtLimitHigh
  std::string limitLow;      // UTF-8, text of txtLimitLow
  std::int16_t limitUnitMode = 0;
  std::string tempPath;      // ANSI path of the run log
  std::string printPath;     // ANSI path of "print.txt"
};

// No run log: nothing at all. No printer installed: one message, no dialog.
// Cancel: nothing printed, "print.txt" untouched. A failure while copying or
// printing: the job is aborted and one message names what failed; the run
// log is only ever read.
void PrintResults(const PrintRequest& request);

} // namespace orva
