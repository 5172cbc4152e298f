// Moving spooled runs into the archive folder, off the window's thread. A
// run leaves the spool only once its copy in the archive folder is complete
// (written under a temporary name, flushed, renamed). A folder that cannot
// be reached, is read-only or full stops the pass: the runs wait in the
// spool and go at the next pass (each new run, start-up, every few minutes).
//
// Never doubled: a name already in the archive folder with the same bytes is
// the same run, delivered before the spool copy could be removed; with other
// bytes it is another run, and the next copy number is taken.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orva {

// The retry while runs wait: a file server that is back is found soon, and a
// down one is not asked more than this often.
inline constexpr int kDeliveryRetrySeconds = 180;

class DeliveryStore {
public:
  virtual ~DeliveryStore() = default;
  virtual std::vector<std::string> SpooledNames() = 0;
  virtual std::optional<std::string> ReadSpooled(const std::string& name) = 0;
  virtual bool RemoveSpooled(const std::string& name) = 0;
  // The archive folder. Reading a name gives nothing when there is no such
  // file; `reached` turns false when the folder itself did not answer.
  virtual std::optional<std::string> ReadArchived(const std::string& name, bool& reached) = 0;
  // Writes the file whole under the name, never over another file; false
  // when the name was taken or the folder refused.
  virtual bool WriteArchived(const std::string& name, const std::string& bytes) = 0;
};

struct DeliveryPass {
  int delivered = 0;
  int waiting = 0;           // still in the spool after the pass
  bool folderReached = true; // false: the pass stopped at the folder
  std::vector<std::string> archivedNames; // what the delivered runs are called there
};

// One pass over the spool, oldest run first.
DeliveryPass DeliverSpooled(DeliveryStore& store);

// What the operator is told after a pass: once when runs begin to wait for
// the folder, and once when the last of them has arrived.
enum class ArchiveNotice { None, RunsWaiting, BacklogDelivered };

class OutageNotice {
public:
  ArchiveNotice After(const DeliveryPass& pass);
  bool InOutage() const { return inOutage_; }

private:
  bool inOutage_ = false;
};

} // namespace orva
