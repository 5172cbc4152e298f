#include "winkit/twips.h"

#include "winkit/window_dpi.h"

namespace winkit {

Dpi DeviceDpi(HDC dc) {
  Dpi dpi;
  if (!dc) return dpi;
  const int x = GetDeviceCaps(dc, LOGPIXELSX), y = GetDeviceCaps(dc, LOGPIXELSY);
  if (x > 0) dpi.x = x;
  if (y > 0) dpi.y = y;
  return dpi;
}

Dpi ScreenDpi() {
  static const Dpi screen = [] {
    HDC dc = GetDC(nullptr);
    const Dpi dpi = DeviceDpi(dc);
    if (dc) ReleaseDC(nullptr, dc);
    return dpi;
  }();
  return screen;
}

RECT PixelRect(const TwipRect& t, Dpi dpi) {
  return RECT{TwipsToPixels(t.left, dpi.x), TwipsToPixels(t.top, dpi.y), TwipsToPixels(t.left + t.width, dpi.x),
              TwipsToPixels(t.top + t.height, dpi.y)};
}

TwipSize WindowSizeInTwips(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const Dpi dpi = WindowDpi(window);
  return {PixelsToTwips(r.right - r.left, dpi.x), PixelsToTwips(r.bottom - r.top, dpi.y)};
}

} // namespace winkit
