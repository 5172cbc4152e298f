// WaitSeconds: waits the given time while the thread's window messages keep
// being handled, so link messages and clicks are served during the wait.
#pragma once

namespace winkit {

// Measured on the monotonic performance counter, so a change of the clock or
// midnight cannot stretch or cut the wait. Between messages the thread sleeps
// in MsgWaitForMultipleObjectsEx, bounded by the time left, instead of
// spinning. A WM_QUIT taken from the queue is posted again after the wait.
void WaitSeconds(float seconds);

} // namespace winkit
