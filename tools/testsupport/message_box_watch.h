// Test support: a modal message box of another process, seen as the user
// sees it (found by its owner process, its title and text read, a button
// pressed).
#pragma once

#include <windows.h>

#include <string>

namespace orva::testsupport {

struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text; // the box's message (its last non-icon static text)
};

// Waits up to `ms` for a visible dialog-class window (#32770) of the process;
// empty when none showed.
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD ms);

// Presses a button of the box by its caption ("OK", "Cancel", ...); '&'
// mnemonics are ignored. False when the box has no such button.
bool PressMessageBoxButton(HWND box, const wchar_t* caption);

} // namespace orva::testsupport
