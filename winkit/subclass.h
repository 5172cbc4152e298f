// Subclassing a window: its procedure is replaced with SetWindowLongA (the
// ANSI road, as the link's messages carry no text) and the previous one is
// called for everything after. ForwardGuarded runs the subclass's own work
// inside the guard, so an exception there ends the program with its error
// box instead of crossing the system's frames.
#pragma once

#include <functional>
#include <windows.h>

namespace winkit {

// Installs `proc`; returns the procedure in place before (nullptr on failure).
WNDPROC SubclassWindow(HWND window, WNDPROC proc);
// Puts `previous` back.
void RestoreWindowProc(HWND window, WNDPROC previous);

// Runs `handler` (may be empty) inside the guard, then passes the message on
// to `previous` (CallWindowProcA), or to DefWindowProcA when there is none.
LRESULT ForwardGuarded(WNDPROC previous, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                       const std::function<void()>& handler);

} // namespace winkit
