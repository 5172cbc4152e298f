// WaitSeconds: waits the given time while the thread's window messages keep
// being handled, so link messages and clicks are served during the wait.
// MessagePump and MonotonicSeconds are the pieces for waits of other shapes
// (on a process handle, or until a window closes).
#pragma once

#include <functional>
#include <windows.h>

namespace winkit {

// Seconds on the monotonic performance counter.
double MonotonicSeconds();

// Handles the messages waiting in the thread's queue. A WM_QUIT taken from
// the queue is kept and posted again when the pump goes out of scope, so the
// message loop outside the wait still ends.
class MessagePump {
public:
  MessagePump() = default;
  ~MessagePump();
  MessagePump(const MessagePump&) = delete;
  MessagePump& operator=(const MessagePump&) = delete;
  // `dialog`, when given, is a modeless dialog of the thread: its keys
  // (Tab, Enter, Esc) go through IsDialogMessage, as in a message loop.
  void HandlePending(HWND dialog = nullptr);

private:
  bool quit_ = false;
  WPARAM quitCode_ = 0;
};

// Measured on the monotonic performance counter, so a change of the clock or
// midnight cannot stretch or cut the wait. Between messages the thread sleeps
// in MsgWaitForMultipleObjectsEx, bounded by the time left, instead of
// spinning. A WM_QUIT taken from the queue is posted again after the wait.
void WaitSeconds(float seconds);
// The same wait, ended early once `stop` answers true (asked after each
// round of messages).
void WaitSeconds(double seconds, const std::function<bool()>& stop);

} // namespace winkit
