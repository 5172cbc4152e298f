// Keeping every run: the ending run goes into the spool beside the run log
// before anything may empty the run log, and a new run's record is written
// at START. The spool is local and quick; the delivery to the archive folder
// (archive_delivery.h) happens off the window's thread.
//
// A run is kept once: its record says when it is archived already (a run
// kept at exit is not kept again at the next START), and one with no
// reading in the run log is not kept at all.
#pragma once

#include "station/archive/run_record.h"

#include <optional>
#include <string>
#include <vector>

namespace orva {

// The files beside the run log, as the keeper sees them.
class KeeperStore {
public:
  virtual ~KeeperStore() = default;
  // The run record's text; nothing when there is none or it cannot be read.
  virtual std::optional<std::string> ReadRunRecord() = 0;
  virtual bool WriteRunRecord(const std::string& text) = 0;
  // The run log file's bytes; nothing when it cannot be read (RunLogPresent
  // tells whether it is there at all).
  virtual std::optional<std::string> ReadRunLog() = 0;
  virtual bool RunLogPresent() = 0;
  // The bytes the Save command would write for this run and run log.
  virtual std::string ResultsBytes(const RunRecord& record, const std::string& runLog) = 0;
  // The names in the spool; a name that is there cannot be written again.
  virtual std::vector<std::string> SpooledNames() = 0;
  // Writes the file whole (temporary name, flushed, renamed) or not at all.
  virtual bool WriteSpooled(const std::string& name, const std::string& bytes) = 0;
};

enum class Kept {
  NoReading,       // nothing to keep
  AlreadyArchived, // kept before (at exit, or by the last start-up)
  Spooled,         // safe in the spool now
  NotKept,         // the spool or the run log could not be written or read
};

// The run log holds a reading: a line that is not blank.
bool RunLogHasReading(const std::string& runLog);

class RunKeeper {
public:
  explicit RunKeeper(KeeperStore& store) : store_(store) {}

  // The run that ends (START, exit) into the spool. A run this keeper began
  // is kept from `ownLines`, the run-log lines the station recorded for it
  // (so a run log held by another program at that moment loses nothing);
  // a run left by an earlier start of the program (it died, the power went)
  // is kept from the run log file. `fallback` stands in for a run without a
  // readable record: a run log from before the archive, or a record lost.
  Kept KeepEndingRun(const RunRecord& fallback, const std::string& ownLines = std::string());

  // START, once the ending run is kept: the new run's record. False when it
  // could not be written; the run is then kept with the fallback.
  bool BeginRun(const RunRecord& record);

  // The spool name of the last run kept (empty before).
  const std::string& LastSpooledName() const { return lastSpooled_; }

private:
  KeeperStore& store_;
  bool begunHere_ = false;
  RunRecord lastBegun_; // the record of the run begun last here
  std::string lastSpooled_;
};

} // namespace orva
