// One thread that runs jobs in the order they are posted, off the window's
// thread, so that a slow file server holds the job and never the window.
// A job hands its result back with PostToWindow: the window runs it as a
// message of its own (kRunOnWindowMessage), which the window's procedure
// passes to RunPostedOnWindow.
#pragma once

#include <functional>
#include <memory>
#include <windows.h>

namespace winkit {

inline constexpr UINT kRunOnWindowMessage = WM_APP + 0x3A0;

class WorkerThread {
public:
  WorkerThread();
  // Drops the jobs not begun and gives one under way a second to end; one
  // stuck (on a server that does not answer) is left to the end of the
  // process, and never sees this object gone.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  void Post(std::function<void()> job);
  // Jobs posted and not yet begun are dropped.
  void DropWaiting();

private:
  struct Shared;
  static DWORD WINAPI ThreadMain(void* shared);
  std::shared_ptr<Shared> shared_;
  HANDLE thread_ = nullptr;
};

// From any thread: `work` runs on the window's thread. Nothing runs when the
// window is gone.
void PostToWindow(HWND window, std::function<void()> work);
// In the window's procedure, for kRunOnWindowMessage.
void RunPostedOnWindow(LPARAM lp);

} // namespace winkit
