// Opens the help file with the system's handler for compiled
// help. The shell call is a seam so tests can record it.
#pragma once

#include <string>
#include <windows.h>

namespace winkit {

using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
// Installs a replacement for ShellExecuteA (nullptr restores it); returns the previous one.
ShellExecuteFn SetShellExecute(ShellExecuteFn fn);

// ShellExecuteA(NULL, "open", helpPath, NULL, NULL, SW_SHOWNORMAL); a missing
// file or handler is not reported.
void OpenHelp(const std::string& helpPath);

} // namespace winkit
