// Finding a process's top-level window: the library looks for the handler it
// started, tests and the operator stand-in for the programs they drive.
#pragma once

#include <functional>
#include <windows.h>

namespace winkit {

using WindowMatch = std::function<bool(HWND)>;

// The first top-level window (in EnumWindows order) owned by the process
// that `match` accepts (no match: any). Process id 0 means any process.
// nullptr when none.
HWND FindTopLevelWindowOfProcess(DWORD processId, const WindowMatch& match = {});

// The id of the process that owns the window; 0 when it is no window.
DWORD WindowProcessId(HWND window);

} // namespace winkit
