// A window's pixels per inch. The programs declare per-monitor awareness in
// their manifests, so on Windows 10 each top-level window takes the scaling of
// the monitor it is on, and a move to another monitor changes it
// (WM_DPICHANGED). Earlier Windows have one value for the whole screen.
// Layout tables are in twips, so a window needs only this number to lay out.
#pragma once

#include "winkit/twips.h"

#include <functional>
#include <windows.h>

// Windows 8.1 sends it; the headers show it only to programs that target
// Windows 7 or later, and these target XP.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace winkit {

// The pixels per inch of `window`'s top-level window: the value its last
// WM_DPICHANGED gave, else what Windows 10 says of the window
// (GetDpiForWindow, looked up at run time so that XP still loads the
// program), else the screen's.
Dpi WindowDpi(HWND window);

// WM_DPICHANGED of a top-level window, in the order that keeps the window's
// own size rules last: records the new value for WindowDpi, lets
// `placeControls` put the controls at their table places for it, gives every
// control its font at the new size, then moves the window to the rectangle
// Windows suggests (so WM_SIZE lays out at the new scaling).
void TakeDpiChange(HWND window, WPARAM wp, LPARAM lp, const std::function<void(Dpi)>& placeControls);

// The window and each window below it whose font came from the font cache
// get the same font made for `dpi`.
void RescaleFonts(HWND window, Dpi dpi);

// Drops what TakeDpiChange recorded; the window bases call it at WM_NCDESTROY.
void ForgetWindowDpi(HWND window);

// The outer size, frame and menu bar included, that gives `window` a client
// area of the given twips at its pixels per inch.
SIZE OuterSizeForClient(HWND window, double widthTwips, double heightTwips);
// Resizes `window` (keeping its place) to that size.
void SizeToClient(HWND window, double widthTwips, double heightTwips);

// `pixels` at 96 dpi (a pen width, a corner), at `dpi`: never below 1.
int ScaledPixels(int pixels, int dpi);

} // namespace winkit
