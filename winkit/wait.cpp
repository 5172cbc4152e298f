#include "winkit/wait.h"

namespace winkit {

double MonotonicSeconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

MessagePump::~MessagePump() {
  if (quit_) PostQuitMessage(static_cast<int>(quitCode_));
}

void MessagePump::HandlePending(HWND dialog) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit_ = true;
      quitCode_ = msg.wParam;
      continue;
    }
    if (dialog && IsDialogMessageW(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void WaitSeconds(float seconds) { WaitSeconds(static_cast<double>(seconds), [] { return false; }); }

void WaitSeconds(double seconds, const std::function<bool()>& stop) {
  const double end = MonotonicSeconds() + seconds;
  MessagePump pump;
  for (;;) {
    pump.HandlePending();
    const double left = end - MonotonicSeconds();
    if (left <= 0 || stop()) break;
    const DWORD ms = static_cast<DWORD>(left * 1000.0) + 1;
    MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

} // namespace winkit
