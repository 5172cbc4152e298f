// Twip arithmetic: rounding to whole pixels at the screen's usual scales and
// at a printer's.
#include "winkit/twip_rect.h"

#include <gtest/gtest.h>

namespace winkit {
namespace {

TEST(TwipArithmetic, TwipsToPixelsRoundsHalvesAwayFromZero) {
  const struct {
    double twips;
    int dpi;
    int pixels;
  } cases[] = {
      {0, 96, 0},      {15, 96, 1},     {7, 96, 0},      {7.5, 96, 1},     // half a pixel rounds up
      {9465, 96, 631}, {9465, 120, 789}, {1440, 600, 600}, {-7.5, 96, -1}, // negative halves away too
      {1, 1440, 1},    {6450, 144, 645},
  };
  for (const auto& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
}

TEST(TwipArithmetic, PixelsToTwipsIsTheInverseScale) {
  EXPECT_DOUBLE_EQ(PixelsToTwips(96, 96), 1440.0);
  EXPECT_DOUBLE_EQ(PixelsToTwips(631, 96), 9465.0);
  EXPECT_DOUBLE_EQ(PixelsToTwips(1, 120), 12.0);
  // A round trip at a scale that does not divide 1440 evenly lands on the pixel.
  for (int px : {0, 1, 37, 500, 4961}) EXPECT_EQ(TwipsToPixels(PixelsToTwips(px, 113), 113), px) << px;
}

} // namespace
} // namespace winkit
