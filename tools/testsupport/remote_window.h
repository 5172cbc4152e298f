// Test support: reading windows of another process.
#pragma once

#include <windows.h>

#include <string>

namespace orva::testsupport {

// Text of a window of any process. GetWindowText cannot read another
// process's edit controls, so this asks the window with WM_GETTEXT
// ("<hung>" when it does not answer within 5 s).
std::wstring RemoteWindowText(HWND window);

} // namespace orva::testsupport
