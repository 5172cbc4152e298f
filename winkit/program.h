// The one shape of a program's WinMain and the one message loop. Everything
// from making the program's window on (its Create(), a start-up sequence,
// the loop) runs inside the guard, so an exception on the way ends the
// program with its error box, as one in a handler does:
//   int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
//     return winkit::RunWindowProgram<MyWindow>(L"TITLE", show);
//   }
#pragma once

#include <functional>
#include <string>
#include <windows.h>

namespace winkit {

// Handles the thread's messages until WM_QUIT and returns its code. Keys of
// `window` (Tab, Enter, Esc), while it exists, and of every other top-level
// window that holds controls (WS_EX_CONTROLPARENT) go through
// IsDialogMessage, so their controls can be reached from the keyboard;
// `window` may be nullptr. Keys typed in `window` or its controls go through
// its accelerator table `shortcuts` first, if any (not in the program's other
// windows).
int RunMessageLoop(HWND window, HACCEL shortcuts = nullptr);

// Shows the program's window as the shell asks (`show` of WinMain), draws
// it at once and runs the message loop for it.
int ShowAndRunMessageLoop(HWND window, int show, HACCEL shortcuts = nullptr);

// Sets the title of the error box, then runs `program` inside the guard;
// returns its exit code.
int RunProgram(const std::wstring& title, const std::function<int()>& program);

// The program of one window object W: made and Create()d inside the guard
// (exit code 1 when Create() fails), shown, then served by the loop.
template <class W>
int RunWindowProgram(const std::wstring& title, int show) {
  return RunProgram(title, [show] {
    W window;
    if (!window.Create()) return 1;
    return ShowAndRunMessageLoop(window.Handle(), show);
  });
}

} // namespace winkit
