// What START fixes for a run, kept in a small file beside the run log until
// the run is archived: its start time and computer (the archive name), the
// language, print title and allowance shown at START (the archived file's
// header, whatever the operator types after STOP), and whether the run is
// archived already. A run the program could not archive (it died, or the PC
// lost power) is found again through it at the next start-up.
//
// The file is "key=value" lines; values keep every byte, with backslash,
// CR and LF written as \\, \r and \n.
#pragma once

#include "station/archive/archive_name.h"
#include "station/allowance.h"

#include <optional>
#include <string>
#include <string_view>

namespace orva {

struct RunRecord {
  RunTime started;
  std::string computer;
  std::string language;   // the station's language at START
  std::string printTitle; // UTF-8
  Allowance allowance;    // UTF-8 texts as typed
  bool archived = false;
  // The archive name's copy number: a second run begun in the same second
  // on this station gets 2, so the two never pass for one run.
  int copy = 1;
  friend bool operator==(const RunRecord&, const RunRecord&) = default;
};

std::string RunRecordText(const RunRecord& record);

// Nothing when the start time is missing or unreadable (a record cut short
// by a crash); unknown keys are ignored, missing ones keep their defaults.
std::optional<RunRecord> ParseRunRecord(std::string_view text);

} // namespace orva
