#include "winkit/program.h"

#include "winkit/unexpected_error.h"

namespace winkit {

int RunMessageLoop(HWND window) {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window && IsWindow(window) && IsDialogMessageW(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int ShowAndRunMessageLoop(HWND window, int show) {
  ShowWindow(window, show);
  UpdateWindow(window);
  return RunMessageLoop(window);
}

int RunProgram(const std::wstring& title, const std::function<int()>& program) {
  SetProgramTitle(title);
  return Guarded(nullptr, [&] { return program(); });
}

} // namespace winkit
