// The run archive on disk: the run record and the spool beside the run log,
// and the archive folder wherever the operator put it (a local folder, a
// mapped drive, a UNC path). Paths are ANSI, as the station's own files are.
#pragma once

#include "station/archive/archive_delivery.h"
#include "station/archive/run_keeper.h"

#include <functional>
#include <string>
#include <vector>

namespace orva {

std::string JoinPath(const std::string& folder, const std::string& name);

// Writes folder\name whole or not at all: under a temporary name of its
// own, flushed to the disk, then renamed, never over a file that is there.
bool WriteFileWhole(const std::string& folder, const std::string& name, const std::string& bytes);

// The names of the files (not folders) in the folder.
std::vector<std::string> FileNamesIn(const std::string& folder);

// Where the archive goes unless the operator says otherwise: "ORVA Runs" in
// the computer's shared documents ("Shared Documents" on Windows XP,
// "Public Documents" later), which every operator of the PC can see.
std::string DefaultArchiveFolder();
// Makes the folder when it is the default one and missing; a folder the
// operator chose is not made, so a share that is down is waited for.
void MakeDefaultArchiveFolder(const std::string& folder);

std::string ThisComputerName();
RunTime LocalTimeNow();
// When the file was last written, in local time; nothing when it cannot be
// read.
std::optional<RunTime> LastWritten(const std::string& path);

// The keeper's files: record, run log and spool, beside each other.
class KeeperFiles final : public KeeperStore {
public:
  KeeperFiles(std::string recordPath, std::string runLogPath, std::string spoolFolder,
              std::function<bool()> bringRunLogUpToDate);
  std::optional<std::string> ReadRunRecord() override;
  bool WriteRunRecord(const std::string& text) override;
  std::optional<std::string> ReadRunLog() override;
  bool RunLogPresent() override;
  std::string ResultsBytes(const RunRecord& record, const std::string& runLog) override;
  std::vector<std::string> SpooledNames() override;
  bool WriteSpooled(const std::string& name, const std::string& bytes) override;

private:
  std::string recordPath_, runLogPath_, spoolFolder_;
  std::function<bool()> bringRunLogUpToDate_;
};

// The delivery's files: the spool and the archive folder.
class DeliveryFiles final : public DeliveryStore {
public:
  DeliveryFiles(std::string spoolFolder, std::string archiveFolder);
  std::vector<std::string> SpooledNames() override;
  std::optional<std::string> ReadSpooled(const std::string& name) override;
  bool RemoveSpooled(const std::string& name) override;
  std::optional<std::string> ReadArchived(const std::string& name, bool& reached) override;
  bool WriteArchived(const std::string& name, const std::string& bytes) override;

private:
  std::string spoolFolder_, archiveFolder_;
};

} // namespace orva
