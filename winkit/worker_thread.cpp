#include "winkit/worker_thread.h"

#include <deque>

namespace winkit {

// Shared by the object and its thread: the thread holds a reference of its
// own, so a thread left behind at exit never sees it destroyed.
struct WorkerThread::Shared {
  HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  CRITICAL_SECTION lock;
  std::deque<std::function<void()>> jobs; // under lock
  volatile LONG stopping = 0;
  Shared() { InitializeCriticalSection(&lock); }
  ~Shared() {
    DeleteCriticalSection(&lock);
    if (wake) CloseHandle(wake);
  }
};

WorkerThread::WorkerThread() : shared_(std::make_shared<Shared>()) {
  auto* start = new std::shared_ptr<Shared>(shared_);
  thread_ = CreateThread(nullptr, 0, ThreadMain, start, 0, nullptr);
  if (!thread_) delete start;
}

WorkerThread::~WorkerThread() {
  DropWaiting();
  InterlockedExchange(&shared_->stopping, 1);
  SetEvent(shared_->wake);
  if (thread_) {
    WaitForSingleObject(thread_, 1000);
    CloseHandle(thread_);
  }
}

void WorkerThread::Post(std::function<void()> job) {
  EnterCriticalSection(&shared_->lock);
  shared_->jobs.push_back(std::move(job));
  LeaveCriticalSection(&shared_->lock);
  SetEvent(shared_->wake);
}

void WorkerThread::DropWaiting() {
  EnterCriticalSection(&shared_->lock);
  shared_->jobs.clear();
  LeaveCriticalSection(&shared_->lock);
}

DWORD WINAPI WorkerThread::ThreadMain(void* start) {
  const std::shared_ptr<Shared> shared = *static_cast<std::shared_ptr<Shared>*>(start);
  delete static_cast<std::shared_ptr<Shared>*>(start);
  while (!shared->stopping) {
    EnterCriticalSection(&shared->lock);
    std::function<void()> job;
    if (!shared->jobs.empty()) {
      job = std::move(shared->jobs.front());
      shared->jobs.pop_front();
    }
    LeaveCriticalSection(&shared->lock);
    if (job) {
      job();
      continue;
    }
    WaitForSingleObject(shared->wake, INFINITE);
  }
  return 0;
}

void PostToWindow(HWND window, std::function<void()> work) {
  auto* posted = new std::function<void()>(std::move(work));
  if (!PostMessageW(window, kRunOnWindowMessage, 0, reinterpret_cast<LPARAM>(posted))) delete posted;
}

void RunPostedOnWindow(LPARAM lp) {
  const std::unique_ptr<std::function<void()>> work(reinterpret_cast<std::function<void()>*>(lp));
  if (work && *work) (*work)();
}

} // namespace winkit
