// Twips (1/1440 inch): the unit every layout table of the repository is
// written in. Portable: no windows.h, so layout rules may use it.
#pragma once

#include <cmath>

namespace winkit {

struct TwipRect {
  int left, top, width, height;
};

inline constexpr double kTwipsPerInch = 1440.0;

// Rounded to the nearest pixel, halves away from zero.
inline int TwipsToPixels(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

inline double PixelsToTwips(int pixels, int dpi) { return pixels * kTwipsPerInch / dpi; }

} // namespace winkit
