// The one road of a program's modal message boxes. Programs show them with
// MessageBoxW; in-process tests put a recorder in its place.
#pragma once

#include <string>
#include <windows.h>

namespace winkit {

// Same contract as MessageBoxW: returns the button pressed (IDOK, ...).
using MessageBoxFn = int (*)(HWND owner, const std::wstring& text, const std::wstring& title,
                             UINT type);

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT type);

// Replaces the function behind ShowMessageBox; nullptr restores MessageBoxW.
// Returns the one in place before.
MessageBoxFn SetMessageBoxFn(MessageBoxFn fn);

} // namespace winkit
