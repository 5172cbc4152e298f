// Control of the external handler program LinkKeeper.exe: the command
// messages to its window, finding and reusing a running handler, closing a
// hung one and launching a new one from "..\EXE\LinkKeeper.exe".
#pragma once

#include <windows.h>

namespace devlink::dll {

// The library's record of the handler. Only `window` is used for messages;
// `process` only to stop a handler that does not answer. The handles are
// owned by this record (clearHandler closes them).
struct HandlerInfo {
  HWND window = nullptr;
  HANDLE process = nullptr;
  HANDLE thread = nullptr;
  DWORD processId = 0;
};

// Closes the record's handles and zeroes it.
void clearHandler(HandlerInfo& handler);

// Sends `message` (wParam 0, lParam 0) to `window` with SMTO_ABORTIFHUNG and
// a 5000 ms limit. False without sending when `window` names no existing
// window; otherwise true when the send returned within the limit. The
// receiver's reply is not looked at.
bool sendToWindow(HWND window, UINT message);

// sendToWindow aimed at the handler's window.
bool sendToHandler(const HandlerInfo& handler, UINT message);

// Makes sure a handler runs, starting from the window handle the block
// named: attaches to its process and probes it with WM_NULL; a handler that
// answers is kept, one that does not is stopped and replaced. Without a
// handler to attach to, launches one and returns whether that worked.
bool ensureHandler(HandlerInfo& handler, HWND handlerWindow);

// Asks the handler to close (WM_CLOSE), waits 5 s, then terminates it with
// exit code 0 and waits 5 s more. True when the process has ended.
bool stopHandler(const HandlerInfo& handler);

// Starts "..\EXE\LinkKeeper.exe" (working folder "..\EXE"), waits up to 5 s
// for it to become input-idle and checks it owns a top-level window; the
// handler's window is then the one titled "WindowNameUsb". False when it
// cannot be started or shows no window in time; such a process is left
// running.
bool launchHandler(HandlerInfo& handler);

} // namespace devlink::dll
