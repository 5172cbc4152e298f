// Frames of the main window (frmCmd, frmMeasure, frmLimit): real container
// windows, so disabling a frame keeps its contents from taking input as a
// frame does. A frame passes its children's notifications (WM_COMMAND,
// WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM) on to its top-level window, so the
// main window handles every control wherever it sits.
#pragma once

#include <windows.h>

namespace orva {

// Border style 1 draws a group box with the frame's caption; 0 draws none.
HWND CreateFrameWindow(HWND parent, int id, const RECT& pixels, int borderStyle);
void SetFrameBorderStyle(HWND frame, int borderStyle);
int FrameBorderStyle(HWND frame);

} // namespace orva
