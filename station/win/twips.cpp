#include "twips.h"

#include <cmath>
#include <windows.h>

namespace orva {
namespace {

constexpr double kTwipsPerInch = 1440.0;

struct ScreenDpi {
  int x = 96, y = 96;
  ScreenDpi() {
    if (HDC dc = GetDC(nullptr)) {
      x = GetDeviceCaps(dc, LOGPIXELSX);
      y = GetDeviceCaps(dc, LOGPIXELSY);
      ReleaseDC(nullptr, dc);
    }
  }
};

const ScreenDpi& Dpi() {
  static const ScreenDpi dpi;
  return dpi;
}

} // namespace

int TwipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips * Dpi().x / kTwipsPerInch)); }
int TwipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips * Dpi().y / kTwipsPerInch)); }
double PixelsToTwipsX(int pixels) { return pixels * kTwipsPerInch / Dpi().x; }
double PixelsToTwipsY(int pixels) { return pixels * kTwipsPerInch / Dpi().y; }

} // namespace orva
