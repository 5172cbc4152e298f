#include "station/archive/win/archive_courier.h"

#include "station/archive/win/archive_files.h"

namespace orva {

// What the passes on the worker thread share; folders and the queued flag
// are also written from the window's thread.
struct ArchiveCourier::Pass {
  HWND window;
  UINT message;
  CRITICAL_SECTION lock;
  std::string spoolFolder, archiveFolder; // under lock
  volatile LONG queued = 0;               // a pass is posted and not yet begun
  OutageNotice notice;                    // the worker's alone
  Pass(HWND w, UINT m) : window(w), message(m) { InitializeCriticalSection(&lock); }
  ~Pass() { DeleteCriticalSection(&lock); }

  void Run() {
    InterlockedExchange(&queued, 0);
    EnterCriticalSection(&lock);
    const std::string spool = spoolFolder, archive = archiveFolder;
    LeaveCriticalSection(&lock);
    if (archive.empty()) return;
    MakeDefaultArchiveFolder(archive);
    DeliveryFiles files(spool, archive);
    const DeliveryPass pass = DeliverSpooled(files);
    const ArchiveNotice told = notice.After(pass);
    if (told != ArchiveNotice::None)
      PostMessageW(window, message, static_cast<WPARAM>(told), static_cast<LPARAM>(pass.waiting));
  }
};

ArchiveCourier::ArchiveCourier(HWND window, UINT message) : pass_(std::make_shared<Pass>(window, message)) {
  // The retry is cheap when nothing waits: the pass finds an empty spool.
  CreateTimerQueueTimer(&retryTimer_, nullptr, OnRetryTimer, this, kDeliveryRetrySeconds * 1000,
                        kDeliveryRetrySeconds * 1000, WT_EXECUTEDEFAULT);
}

ArchiveCourier::~ArchiveCourier() {
  // INVALID_HANDLE_VALUE: waits for a callback under way, which only posts.
  if (retryTimer_) DeleteTimerQueueTimer(nullptr, retryTimer_, INVALID_HANDLE_VALUE);
}

void ArchiveCourier::SetFolders(const std::string& spoolFolder, const std::string& archiveFolder) {
  EnterCriticalSection(&pass_->lock);
  pass_->spoolFolder = spoolFolder;
  pass_->archiveFolder = archiveFolder;
  LeaveCriticalSection(&pass_->lock);
}

void ArchiveCourier::DeliverNow() {
  // One pass waiting is enough: it reads the spool as it is when it begins.
  if (InterlockedExchange(&pass_->queued, 1)) return;
  std::shared_ptr<Pass> pass = pass_;
  worker_.Post([pass] { pass->Run(); });
}

void CALLBACK ArchiveCourier::OnRetryTimer(void* courier, BOOLEAN) {
  static_cast<ArchiveCourier*>(courier)->DeliverNow();
}

} // namespace orva
