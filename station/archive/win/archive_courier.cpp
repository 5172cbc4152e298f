#include "station/archive/win/archive_courier.h"

#include "station/archive/win/archive_files.h"

namespace orva {

// What the window's thread and the courier's share. The thread holds its
// own reference, so a thread left behind at exit never sees it destroyed.
struct ArchiveCourier::Shared {
  HWND window;
  UINT message;
  HANDLE wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  CRITICAL_SECTION lock;
  std::string spoolFolder, archiveFolder; // under lock
  volatile LONG stopping = 0;
  Shared(HWND w, UINT m) : window(w), message(m) { InitializeCriticalSection(&lock); }
  ~Shared() {
    DeleteCriticalSection(&lock);
    CloseHandle(wake);
  }
};

ArchiveCourier::ArchiveCourier(HWND window, UINT message) : shared_(std::make_shared<Shared>(window, message)) {
  auto* start = new std::shared_ptr<Shared>(shared_);
  thread_ = CreateThread(nullptr, 0, ThreadMain, start, 0, nullptr);
  if (!thread_) delete start;
}

ArchiveCourier::~ArchiveCourier() {
  InterlockedExchange(&shared_->stopping, 1);
  SetEvent(shared_->wake);
  if (thread_) {
    WaitForSingleObject(thread_, 1000);
    CloseHandle(thread_);
  }
}

void ArchiveCourier::SetFolders(const std::string& spoolFolder, const std::string& archiveFolder) {
  EnterCriticalSection(&shared_->lock);
  shared_->spoolFolder = spoolFolder;
  shared_->archiveFolder = archiveFolder;
  LeaveCriticalSection(&shared_->lock);
}

void ArchiveCourier::DeliverNow() { SetEvent(shared_->wake); }

DWORD WINAPI ArchiveCourier::ThreadMain(void* start) {
  const std::shared_ptr<Shared> shared = *static_cast<std::shared_ptr<Shared>*>(start);
  delete static_cast<std::shared_ptr<Shared>*>(start);
  OutageNotice notice;
  DWORD timeout = INFINITE;
  for (;;) {
    WaitForSingleObject(shared->wake, timeout);
    if (shared->stopping) break;
    EnterCriticalSection(&shared->lock);
    const std::string spool = shared->spoolFolder, archive = shared->archiveFolder;
    LeaveCriticalSection(&shared->lock);
    if (archive.empty()) {
      timeout = INFINITE;
      continue;
    }
    MakeDefaultArchiveFolder(archive);
    DeliveryFiles files(spool, archive);
    const DeliveryPass pass = DeliverSpooled(files);
    if (shared->stopping) break;
    timeout = pass.waiting > 0 ? kDeliveryRetrySeconds * 1000 : INFINITE;
    const ArchiveNotice told = notice.After(pass);
    if (told != ArchiveNotice::None)
      PostMessageA(shared->window, shared->message, static_cast<WPARAM>(told), static_cast<LPARAM>(pass.waiting));
  }
  return 0;
}

} // namespace orva
