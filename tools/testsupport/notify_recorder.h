// Test support: a hidden top-level window that stands in for the measurement
// program's main window. It records every notification 0x465..0x46B it
// receives and, when given a block, a copy of the shared block taken at the
// moment the message arrived (as the main window would fetch it).
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "devlink/link_block.h"
#include "tools/testsupport/shared_block_access.h"

namespace orva::testsupport {

struct RecordedNotice {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  bool sent = false;              // InSendMessage(): sent, not posted
  devlink::CommonBlock block{};   // zero unless a block was given
};

class NotifyRecorder {
 public:
  // Creates the window on the calling thread; that thread must pump messages
  // (WaitFor does) for notifications to arrive. `block` may be null.
  explicit NotifyRecorder(const SharedBlockAccess* block = nullptr);
  ~NotifyRecorder();
  NotifyRecorder(const NotifyRecorder&) = delete;
  NotifyRecorder& operator=(const NotifyRecorder&) = delete;

  HWND hwnd() const { return hwnd_; }

  const std::vector<RecordedNotice>& notices() const { return notices_; }
  int Count(UINT message) const;
  void Clear() { notices_.clear(); }

  // Pumps messages until `count` notices of `message` have been recorded in
  // total, or `timeoutMs` passes. True when reached.
  bool WaitFor(UINT message, int count = 1, DWORD timeoutMs = 10000);

  // Called inside the window procedure after a notice has been recorded, e.g.
  // to call the library's read functions the way the main window does.
  std::function<void(const RecordedNotice&)> onNotice;

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);

  HWND hwnd_ = nullptr;
  const SharedBlockAccess* block_ = nullptr;
  std::vector<RecordedNotice> notices_;
};

} // namespace orva::testsupport
