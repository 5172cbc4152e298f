#include "station/archive/run_keeper.h"

#include <algorithm>

namespace orva {

bool RunLogHasReading(const std::string& runLog) {
  return runLog.find_first_not_of(" \t\r\n") != std::string::npos;
}

Kept RunKeeper::KeepEndingRun(const RunRecord& fallback) {
  std::optional<RunRecord> record;
  if (const std::optional<std::string> text = store_.ReadRunRecord()) record = ParseRunRecord(*text);
  if (record && record->archived) return Kept::AlreadyArchived;
  const std::optional<std::string> runLog = store_.ReadRunLog();
  if (!runLog || !RunLogHasReading(*runLog)) return Kept::NoReading;

  RunRecord run = record ? *record : fallback;
  const std::vector<std::string> spooled = store_.SpooledNames();
  std::string name;
  for (int copy = 1;; ++copy) {
    name = ArchiveFileName(run.started, run.computer, copy);
    if (std::find(spooled.begin(), spooled.end(), name) == spooled.end()) break;
  }
  if (!store_.WriteSpooled(name, store_.ResultsBytes(run, *runLog))) return Kept::SpoolFailed;
  lastSpooled_ = name;
  // Should this write fail, the run is spooled again next time under the
  // same name with the same bytes, which the delivery knows as one run.
  run.archived = true;
  store_.WriteRunRecord(RunRecordText(run));
  return Kept::Spooled;
}

bool RunKeeper::BeginRun(const RunRecord& record) {
  RunRecord fresh = record;
  fresh.archived = false;
  return store_.WriteRunRecord(RunRecordText(fresh));
}

} // namespace orva
