// Picture1: the fixed image of the command column, drawn with GDI (a belt
// over two pulleys and a sound wave reaching it from the sensor head).
#pragma once

#include <windows.h>

namespace orva {

HWND CreatePictureBox(HWND parent, int id, const RECT& pixels);

} // namespace orva
