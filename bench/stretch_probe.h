// The longest stretch a window goes without handling its messages: a probe
// thread sends WM_NULL to it every 2 ms, and the time a send waits is how
// long the window's thread was busy elsewhere.
#pragma once

#include "winkit/wait.h"

#include <atomic>
#include <thread>
#include <windows.h>

namespace bench {

// Sends WM_NULL to the window every 2 ms and keeps the longest wait.
class StretchProbe {
public:
  explicit StretchProbe(HWND window) : window_(window), thread_([this] { Run(); }) {}
  ~StretchProbe() { Stop(); }
  // The longest wait since the last call, in milliseconds.
  double TakeLongest() { return longest_.exchange(0) * 1000.0; }
  void Stop() {
    running_ = false;
    if (thread_.joinable()) thread_.join();
  }

private:
  void Run() {
    while (running_) {
      const double start = winkit::MonotonicSeconds();
      DWORD_PTR result = 0;
      if (!SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result) && !IsWindow(window_)) break;
      const double waited = winkit::MonotonicSeconds() - start;
      double seen = longest_.load();
      while (waited > seen && !longest_.compare_exchange_weak(seen, waited)) {
      }
      Sleep(2);
    }
  }

  HWND window_;
  std::atomic<bool> running_{true};
  std::atomic<double> longest_{0};
  std::thread thread_;
};

} // namespace bench
