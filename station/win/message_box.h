// The one road of the station's modal message boxes. The program shows them
// with MessageBoxW; in-process tests put a recorder in its place.
#pragma once

#include <string>
#include <windows.h>

namespace orva {

// Same contract as MessageBoxW: returns the button pressed (IDOK, ...).
using MessageBoxFn = int (*)(HWND owner, const std::wstring& text, const std::wstring& title,
                             UINT type);

// The title a message box gets when its caller names none: the program title.
inline constexpr wchar_t kDefaultMessageTitle[] = L"ORVA";

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT type);

// Replaces the function behind ShowMessageBox; nullptr restores MessageBoxW.
// Returns the one in place before.
MessageBoxFn SetMessageBoxFn(MessageBoxFn fn);

} // namespace orva
