// A results file read back: the print title, the allowance from its limits
// line and every reading of its run-log lines, for the run archive's list
// and statistics. Archived runs and saved results have one layout, so either
// reads back. Damage is survived line by line: a line that is no run-log
// line is counted and skipped, never the end of the file.
#pragma once

#include "station/judgement.h"
#include "station/reading.h"
#include "station/allowance.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orva {

struct ArchivedReading {
  std::int32_t readingNo = 0;
  ReadingTexts texts;
  Judgement judgement = Judgement::None;
};

struct ArchivedRun {
  std::string printTitle;
  // From the limits line in either language; nothing when that line is not
  // one the station writes.
  std::optional<Allowance> allowance;
  std::vector<ArchivedReading> readings;
  std::int64_t damagedLines = 0; // after the column line, not blank, not a run-log line
};

// "High Limit 80N   Low  Limit 60N" (or its Japanese form) back into the
// two texts as typed and the unit. The texts may hold anything, spaces too.
std::optional<Allowance> ReadLimitsLine(std::string_view line);

// One run-log line " 3,12.50,85.00,HIGH" (no line end): the reading, or
// nothing when it has not four fields, a number, and a judgement word.
std::optional<ArchivedReading> ReadRunLogLine(std::string_view line);

// text: the whole file as UTF-8. Nothing when it is no results file: the
// column line "No.,N,Hz" is not among its first seven lines.
std::optional<ArchivedRun> ReadResultsFile(std::string_view text);

} // namespace orva
