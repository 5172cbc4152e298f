#include "winkit/wait.h"

#include <windows.h>

namespace winkit {
namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

void WaitSeconds(float seconds) {
  const double end = Now() + static_cast<double>(seconds);
  bool quit = false;
  WPARAM quitCode = 0;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = msg.wParam;
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    const double left = end - Now();
    if (left <= 0) break;
    const DWORD ms = static_cast<DWORD>(left * 1000.0) + 1;
    MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
}

} // namespace winkit
