// Delivers the spool to the archive folder on a worker thread, so a file
// server that is down or slow (a call into SMB can block for 20 s and more)
// never holds the window nor the next reading. A pass runs when asked (a
// run was spooled, start-up, a new folder) and every kDeliveryRetrySeconds
// while runs wait. After a pass whose notice is not None it posts `message`
// to the window: WPARAM the ArchiveNotice, LPARAM the runs still waiting.
#pragma once

#include "station/archive/archive_delivery.h"
#include "winkit/worker_thread.h"

#include <memory>
#include <string>
#include <windows.h>

namespace orva {

class ArchiveCourier {
public:
  ArchiveCourier(HWND window, UINT message);
  // A pass stuck on a dead server is left to the end of the process (see
  // WorkerThread); its runs are still in the spool for the next start.
  ~ArchiveCourier();
  ArchiveCourier(const ArchiveCourier&) = delete;
  ArchiveCourier& operator=(const ArchiveCourier&) = delete;

  // The folders of the next pass. An empty archive folder delivers nothing.
  void SetFolders(const std::string& spoolFolder, const std::string& archiveFolder);
  void DeliverNow();

private:
  struct Pass;
  static void CALLBACK OnRetryTimer(void* courier, BOOLEAN);

  std::shared_ptr<Pass> pass_; // the worker's side, kept alive by its jobs
  HANDLE retryTimer_ = nullptr;
  winkit::WorkerThread worker_;
};

} // namespace orva
