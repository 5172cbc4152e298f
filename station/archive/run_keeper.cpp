#include "station/archive/run_keeper.h"

#include <algorithm>

namespace orva {

bool RunLogHasReading(const std::string& runLog) {
  return runLog.find_first_not_of(" \t\r\n") != std::string::npos;
}

Kept RunKeeper::KeepEndingRun(const RunRecord& fallback, const std::string& ownLines) {
  std::optional<RunRecord> record;
  if (const std::optional<std::string> text = store_.ReadRunRecord()) record = ParseRunRecord(*text);
  if (record && record->archived) return Kept::AlreadyArchived;
  std::optional<std::string> runLog;
  if (begunHere_) {
    runLog = ownLines;
  } else {
    runLog = store_.ReadRunLog();
    if (!runLog) return store_.RunLogPresent() ? Kept::NotKept : Kept::NoReading;
  }
  if (!RunLogHasReading(*runLog)) return Kept::NoReading;

  RunRecord run = record ? *record : fallback;
  const std::vector<std::string> spooled = store_.SpooledNames();
  std::string name;
  for (int copy = run.copy;; ++copy) {
    name = ArchiveFileName(run.started, run.computer, copy);
    if (std::find(spooled.begin(), spooled.end(), name) == spooled.end()) break;
  }
  if (!store_.WriteSpooled(name, store_.ResultsBytes(run, *runLog))) return Kept::NotKept;
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
  // Two runs begun in one second would share a name; identical readings
  // under one name would then pass for one run delivered twice.
  fresh.copy = begunHere_ && lastBegun_.started == record.started && lastBegun_.computer == record.computer
                   ? lastBegun_.copy + 1
                   : 1;
  begunHere_ = true;
  lastBegun_ = fresh;
  return store_.WriteRunRecord(RunRecordText(fresh));
}

} // namespace orva
