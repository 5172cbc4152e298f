// Test support: a modal message box of another process, seen as the user
// sees it (found by its owner process, its title, text, buttons and icon
// read, a button pressed).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orva::testsupport {

struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;                 // the box's message
  std::vector<std::wstring> buttons; // captions without '&', in window order
  bool hasIcon = false;
  explicit operator bool() const { return window != nullptr; }
};

// Waits up to `ms` for a visible message box of the process (0: of any
// process): a dialog-class window (#32770) with the system message box's
// text control, so a program's other dialogs (a save dialog) do not count.
// Empty when none showed.
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD ms);

// Presses a button of the box by its caption ("OK", "Cancel", ...); '&'
// mnemonics are ignored. False when the box has no such button.
bool PressMessageBoxButton(HWND box, const wchar_t* caption);

// Presses OK and waits until the box has gone; false if it stays.
bool DismissMessageBox(const MessageBoxSeen& box, DWORD ms = 5000);

} // namespace orva::testsupport
