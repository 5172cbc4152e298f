// The frame container: a real child window that holds other controls, so
// disabling it keeps its contents from taking input, as a frame does. It
// passes its children's notifications (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*,
// WM_DRAWITEM) on to its top-level window, so that window handles every
// control wherever it sits.
#pragma once

#include <windows.h>

namespace winkit {

// Border style 1 draws a group box with the frame's caption; 0 draws none.
// The frame's object lives as long as its window.
HWND CreateFrameWindow(HWND parent, int id, const RECT& pixels, int borderStyle);
void SetFrameBorderStyle(HWND frame, int borderStyle);
int FrameBorderStyle(HWND frame); // 0 for a window that is no frame

} // namespace winkit
