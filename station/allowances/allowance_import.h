// What an import does to the list, and what the operator reads about it:
// the good lines go in (replacing entries of their names where they stand),
// the refused ones are named by line and reason.
#pragma once

#include "station/allowances/allowance_csv.h"
#include "station/allowances/allowance_list.h"

#include <string>
#include <string_view>

namespace orva {

struct ImportOutcome {
  MergeCounts counts;
  std::size_t refused = 0;
  std::string report; // CR LF lines: the counts, then each refused line
};
ImportOutcome ImportAllowances(AllowanceList& list, std::string_view csvBytes, std::string_view curLanguage);

// The refused lines of the list file read at start-up, for the dialog: the
// file's name, the name its damaged form is kept under, then the lines.
// Empty when nothing was refused.
std::string ListFileReport(std::string_view curLanguage, std::string_view fileName, std::string_view keptAs,
                           const std::vector<CsvRefusal>& refused);

} // namespace orva
