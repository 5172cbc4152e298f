// The print command (Print button and File > Print): the run log as it is
// when the command starts, printed on the printer chosen in the Print dialog
// through the copy "print.txt". The main window gathers the record.
#pragma once

#include "station/output/win/results_save.h"

#include <functional>
#include <string>
#include <windows.h>

namespace orva {

struct PrintRequest {
  HWND owner = nullptr;  // the main window
  ResultsSource results; // language, title, limit texts, unit, run log: as for the results file
  std::string printPath; // ANSI path of "print.txt"
  HFONT font = nullptr;  // the form font of the language, for the printing box
  std::function<void()> jobStarting; // the Print dialog was confirmed; may be empty
};

// No run log: nothing at all. No printer installed: one message, no dialog.
// Cancel: nothing printed, "print.txt" untouched. While the printout goes
// to the printer (on a thread of its own) the printing box shows the page
// and offers Cancel, and the program keeps handling its messages
// (printing_dialog.h); Cancel there, or CancelPrint, aborts the job with no
// message. A failure while copying or printing: the job is aborted and one
// message names what failed. The run
// log is first brought up to date (results.bringRunLogUpToDate); when it
// still owes readings, a message after printing says the printout lacks them.
void PrintResults(const PrintRequest& request);

} // namespace orva
