// The save command: asks for a file name, asks before replacing an existing
// file, then writes the results file from the header texts and the run log.
// Every failure (cancel, a file that cannot be created or written, a missing
// run log) ends it without a message; what was written stays. Only a run
// log that still owes lines, or exists but cannot be read, is told: the
// results file then lacks readings.
#pragma once

#include "station/output/results_file.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <windows.h>

namespace orva {

struct ResultsSource {
  std::string curLanguage;   // UTF-8
  std::string printTitle;    // UTF-8, text of txtPrintTitle
  std::string limitHigh;     // UTF-8, text of txtLimitHigh
  std::string limitLow;      // UTF-8, text of txtLimitLow
  std::int16_t limitUnitMode = 0;
  std::string tempPath;      // ANSI path of the run log
  // Writes what the run log still owes, just before it is read; false when
  // lines are still owed. Empty: nothing is owed.
  std::function<bool()> bringRunLogUpToDate;
};

void SaveResults(HWND owner, const ResultsSource& source);

// The results file's bytes: the header in the ANSI code page, then the run
// log's lines. What Save writes, and what the run archive keeps.
std::string ResultsFileBytes(const ResultsHeaderInput& header, std::string_view runLog);

} // namespace orva
