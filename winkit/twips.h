// Twips on a device: the scale is always passed in, as a printer has other
// pixels per inch than the screen.
#pragma once

#include "winkit/twip_rect.h"

#include <windows.h>

namespace winkit {

struct Dpi {
  int x = 96, y = 96;
};

// The screen's LOGPIXELSX / LOGPIXELSY, read once (96 when no screen DC).
Dpi ScreenDpi();
// A device context's own pixels per inch (a printer's, for instance).
Dpi DeviceDpi(HDC dc);

// Edges are converted one by one (right = left + width, then converted), so
// neighbours that touch in twips touch in pixels.
RECT PixelRect(const TwipRect& rect, Dpi dpi);

struct TwipSize {
  double width = 0, height = 0;
};
// A window's outer size (frame included) in twips at its pixels per inch.
TwipSize WindowSizeInTwips(HWND window);

} // namespace winkit
