#include "winkit/program.h"

#include "winkit/unexpected_error.h"

namespace winkit {

int RunMessageLoop(HWND window, HACCEL shortcuts) {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    const bool ours = window && IsWindow(window) && (msg.hwnd == window || IsChild(window, msg.hwnd));
    if (ours && shortcuts && TranslateAcceleratorW(window, shortcuts, &msg)) continue;
    const HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    const bool holdsControls =
        top && (top == window || (GetWindowLongW(top, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0);
    if (holdsControls && IsDialogMessageW(top, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int ShowAndRunMessageLoop(HWND window, int show, HACCEL shortcuts) {
  ShowWindow(window, show);
  UpdateWindow(window);
  return RunMessageLoop(window, shortcuts);
}

int RunProgram(const std::wstring& title, const std::function<int()>& program) {
  SetProgramTitle(title);
  return Guarded(nullptr, [&] { return program(); });
}

} // namespace winkit
