#include "station/archive/archive_delivery.h"

#include "station/archive/archive_name.h"

#include <algorithm>

namespace orva {
namespace {

// How many copy numbers a name may take before the run waits instead: more
// runs of one computer in one second than this are no real run.
constexpr int kMaxCopies = 100;

enum class Outcome { Delivered, FolderRefused, NameExhausted };

Outcome DeliverOne(DeliveryStore& store, const ArchiveNameParts& parts, const std::string& bytes,
                   std::string& archivedName) {
  for (int copy = parts.copy; copy < parts.copy + kMaxCopies; ++copy) {
    archivedName = ArchiveFileName(parts.started, parts.computer, copy);
    bool reached = true;
    const std::optional<std::string> there = store.ReadArchived(archivedName, reached);
    if (!reached) return Outcome::FolderRefused;
    if (there) {
      if (*there == bytes) return Outcome::Delivered;
      continue;
    }
    if (store.WriteArchived(archivedName, bytes)) return Outcome::Delivered;
    // The name may have been taken meanwhile: look again before giving up.
    bool stillReached = true;
    const std::optional<std::string> now = store.ReadArchived(archivedName, stillReached);
    if (!stillReached || !now) return Outcome::FolderRefused;
    if (*now == bytes) return Outcome::Delivered;
  }
  return Outcome::NameExhausted;
}

} // namespace

DeliveryPass DeliverSpooled(DeliveryStore& store) {
  struct Spooled {
    std::string name;
    ArchiveNameParts parts;
  };
  std::vector<Spooled> runs;
  for (std::string& name : store.SpooledNames())
    if (std::optional<ArchiveNameParts> parts = ParseArchiveFileName(name))
      runs.push_back({std::move(name), std::move(*parts)});
  std::sort(runs.begin(), runs.end(),
            [](const Spooled& a, const Spooled& b) { return ListedBefore(b.parts, a.parts); });

  DeliveryPass pass;
  for (size_t i = 0; i < runs.size(); ++i) {
    const std::optional<std::string> bytes = store.ReadSpooled(runs[i].name);
    std::string archivedName;
    const Outcome outcome =
        bytes ? DeliverOne(store, runs[i].parts, *bytes, archivedName) : Outcome::NameExhausted;
    if (outcome == Outcome::FolderRefused) {
      pass.folderReached = false;
      pass.waiting += static_cast<int>(runs.size() - i);
      break;
    }
    if (outcome == Outcome::Delivered && store.RemoveSpooled(runs[i].name)) {
      ++pass.delivered;
      pass.archivedNames.push_back(archivedName);
    } else {
      ++pass.waiting;
    }
  }
  return pass;
}

ArchiveNotice OutageNotice::After(const DeliveryPass& pass) {
  if (pass.waiting > 0 && !pass.folderReached) {
    if (inOutage_) return ArchiveNotice::None;
    inOutage_ = true;
    return ArchiveNotice::RunsWaiting;
  }
  if (pass.waiting == 0 && inOutage_) {
    inOutage_ = false;
    return ArchiveNotice::BacklogDelivered;
  }
  return ArchiveNotice::None;
}

} // namespace orva
