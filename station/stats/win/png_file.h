// Writes a bitmap as a PNG file through the system's own encoder, GDI+
// (gdiplus.dll, which Windows XP ships). The library is bound at the first
// picture, not at start-up: where it cannot be found the station still
// starts, and only the picture fails.
#pragma once

#include <string>
#include <windows.h>

namespace orva {

// False when GDI+ or its PNG encoder is not there or the file could not be
// written.
bool WritePng(HBITMAP bitmap, const std::wstring& path);

} // namespace orva
