// The guard: an exception that escapes a message handler must not cross the
// system's frames (unwinding through them is undefined, and a message loop
// that swallows it goes on with broken state). The window, dialog and
// subclass procedures of this toolkit run every handler inside it; it shows
// the error in a message box titled with the program's title and ends the
// program.
#pragma once

#include <exception>
#include <string>
#include <windows.h>

namespace winkit {

// The title of the error box; set once at program start, e.g. L"ORVA".
void SetProgramTitle(const std::wstring& title);
const std::wstring& ProgramTitle();

// "Run-time error: <what>" in a stop box (through ShowMessageBox), then
// ExitProcess(1).
[[noreturn]] void EndOnUnexpectedError(HWND owner, const char* what);

// Runs `handler` and ends the program on anything it throws.
template <class Handler>
auto Guarded(HWND owner, Handler&& handler) -> decltype(handler()) {
  try {
    return handler();
  } catch (const std::exception& e) {
    EndOnUnexpectedError(owner, e.what());
  } catch (...) {
    EndOnUnexpectedError(owner, "unknown error");
  }
}

} // namespace winkit
