// The main window's design table and its resize rule.
#include "station/settings/main_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <set>
#include <tuple>

namespace orva {
namespace {

TEST(StationLayout, DesignTableCoversEveryControlOnce) {
  std::set<MainControl> seen;
  for (const ControlPlacement& p : MainWindowDesign()) {
    EXPECT_TRUE(seen.insert(p.control).second) << kMainControlNames[static_cast<int>(p.control)];
    EXPECT_EQ(&PlacementOf(p.control), &p);
    EXPECT_GT(p.rect.width, 0);
    EXPECT_GT(p.rect.height, 0);
  }
  // The alarm box lies exactly over the grid, so the resize rule moves both alike.
  const winkit::TwipRect grid = PlacementOf(MainControl::MSFlexGridMsr).rect;
  const winkit::TwipRect alarm = PlacementOf(MainControl::txtError).rect;
  EXPECT_EQ(std::tie(grid.left, grid.top, grid.width, grid.height),
            std::tie(alarm.left, alarm.top, alarm.width, alarm.height));
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kMainControlCount));
}

TEST(StationLayout, ContainersComeBeforeTheirContents) {
  const auto containerControl = [](Container c) {
    switch (c) {
    case Container::frmCmd: return MainControl::frmCmd;
    case Container::frmMeasure: return MainControl::frmMeasure;
    case Container::frmLimit: return MainControl::frmLimit;
    default: return MainControl::Count;
    }
  };
  std::set<MainControl> created;
  for (const ControlPlacement& p : MainWindowDesign()) {
    const MainControl parent = containerControl(p.container);
    if (parent != MainControl::Count) {
      EXPECT_TRUE(created.count(parent)) << kMainControlNames[static_cast<int>(p.control)];
    }
    created.insert(p.control);
  }
}

TEST(StationLayout, ControlsFitTheirContainers) {
  // Every child lies inside its container (frmCmd itself starts above the
  // window's top to hide its border, so only its bottom is checked).
  const auto sizeOf = [](Container c) -> winkit::TwipRect {
    switch (c) {
    case Container::frmCmd: return PlacementOf(MainControl::frmCmd).rect;
    case Container::frmMeasure: return PlacementOf(MainControl::frmMeasure).rect;
    case Container::frmLimit: return PlacementOf(MainControl::frmLimit).rect;
    default: return {0, 0, kMainClientWidth, kMainClientHeight};
    }
  };
  for (const ControlPlacement& p : MainWindowDesign()) {
    const winkit::TwipRect outer = sizeOf(p.container);
    EXPECT_LE(p.rect.left + p.rect.width, outer.width) << kMainControlNames[static_cast<int>(p.control)];
    EXPECT_LE(p.rect.top + p.rect.height, outer.height) << kMainControlNames[static_cast<int>(p.control)];
  }
}

// Outer size of the window at load: the design client area plus a frame.
constexpr LayoutBaselines kBase{6450 + 690, 9465 + 120, 4950, 4935, 5400};

TEST(StationLayout, HeightRule) {
  const struct {
    double outerHeight;
    double gridHeight;
  } cases[] = {
      {kBase.MainFormHeight, 4950},          // load size
      {kBase.MainFormHeight + 700, 5650},    // taller: taller by the same amount
      {kBase.MainFormHeight - 500, 4450},    // 500 shorter
      {kBase.MainFormHeight - 4950, 0},      // exactly the grid height shorter
      {kBase.MainFormHeight - 4951, 4950},   // more than that: design height again
      {0, 4950},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(GridHeightFor(c.outerHeight, kBase), c.gridHeight) << c.outerHeight;
}

TEST(StationLayout, WidthRule) {
  const struct {
    double outerWidth;
    double frmCmdLeft, gridWidth;
    bool scaled;
  } cases[] = {
      {kBase.MainFormWidth, 5400, 4935, false},        // load size
      {kBase.MainFormWidth + 1000, 6400, 5935, true},  // 1000 wider
      {kBase.MainFormWidth - 1000, 5400, 4935, false}, // narrower: nothing moves
      {kBase.MainFormWidth + 1, 5401, 4936, true},
  };
  for (const auto& c : cases) {
    const HorizontalLayout h = HorizontalLayoutFor(c.outerWidth, kBase);
    EXPECT_DOUBLE_EQ(h.frmCmdLeft, c.frmCmdLeft) << c.outerWidth;
    EXPECT_DOUBLE_EQ(h.gridWidth, c.gridWidth) << c.outerWidth;
    EXPECT_EQ(h.scaled, c.scaled) << c.outerWidth;
  }
}

// Display scaling of 100, 125, 150 and 200 %.
constexpr int kScalings[] = {96, 120, 144, 192};

int Px(double twips, int dpi) { return winkit::TwipsToPixels(twips, dpi); }

TEST(StationLayoutAtEveryScaling, TheSameWindowInInchesGetsTheSameGridInInches) {
  const struct {
    double wider, taller; // twips beyond the load size
    double gridWidth, gridHeight, frmCmdLeft;
    bool scaled;
  } cases[] = {
      {0, 0, 4935, 4950, 5400, false},             // load size
      {2880, 1440, 4935 + 2880, 4950 + 1440, 5400 + 2880, true}, // two inches wider, one taller
      {-1000, -500, 4935, 4450, 5400, false},      // narrower: nothing moves; shorter: the grid gives
      {0, -6000, 4935, 4950, 5400, false},         // shorter than the grid can give: design height
  };
  for (const int dpi : kScalings)
    for (const auto& c : cases) {
      // Recorded as the window records them: read back from its pixels.
      const auto back = [dpi](double twips) { return winkit::PixelsToTwips(Px(twips, dpi), dpi); };
      const LayoutBaselines base{back(kBase.MainFormHeight), back(kBase.MainFormWidth), back(kBase.DispHeight),
                                 back(kBase.DispWidth), back(kBase.frmCmdLeft)};
      const MainResizePixels at = MainResizeAt(Px(kBase.MainFormWidth + c.wider, dpi),
                                               Px(kBase.MainFormHeight + c.taller, dpi), dpi, dpi, base);
      // A pixel of rounding in the window's size, one in the result's.
      EXPECT_NEAR(at.gridWidth, Px(c.gridWidth, dpi), 1) << dpi << " dpi, " << c.wider << " wider";
      EXPECT_NEAR(at.gridHeight, Px(c.gridHeight, dpi), 1) << dpi << " dpi, " << c.taller << " taller";
      EXPECT_NEAR(at.frmCmdLeft, Px(c.frmCmdLeft, dpi), 1) << dpi << " dpi, " << c.wider << " wider";
      EXPECT_EQ(at.scaled, c.scaled) << dpi << " dpi";
      // The command column never overlaps the grid.
      EXPECT_GE(at.frmCmdLeft, Px(PlacementOf(MainControl::MSFlexGridMsr).rect.left, dpi) + at.gridWidth - 1) << dpi;
    }
}

// In pixels, at every scaling, the design keeps what it has in twips: each
// control inside its container, and two controls of one container that do
// not overlap in twips do not overlap in pixels.
TEST(StationLayoutAtEveryScaling, ControlsStayInsideAndApartInPixels) {
  const auto containerOf = [](Container c) -> winkit::TwipRect {
    if (c == Container::Window) return {0, 0, kMainClientWidth, kMainClientHeight};
    return PlacementOf(ContainerControl(c)).rect;
  };
  const auto pixels = [](const winkit::TwipRect& t, int dpi) {
    return std::array<int, 4>{Px(t.left, dpi), Px(t.top, dpi), Px(t.left + t.width, dpi), Px(t.top + t.height, dpi)};
  };
  const auto overlap = [](const std::array<int, 4>& a, const std::array<int, 4>& b) {
    return a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];
  };
  const auto& design = MainWindowDesign();
  for (const int dpi : kScalings)
    for (std::size_t i = 0; i < design.size(); ++i) {
      const ControlPlacement& p = design[i];
      const winkit::TwipRect outer = containerOf(p.container);
      const auto r = pixels(p.rect, dpi);
      const char* name = kMainControlNames[static_cast<int>(p.control)];
      EXPECT_LE(r[2], Px(outer.width, dpi)) << name << " at " << dpi;
      EXPECT_LE(r[3], Px(outer.height, dpi)) << name << " at " << dpi;
      EXPECT_GT(r[2] - r[0], 0) << name << " at " << dpi;
      EXPECT_GT(r[3] - r[1], 0) << name << " at " << dpi;
      for (std::size_t j = i + 1; j < design.size(); ++j) {
        const ControlPlacement& q = design[j];
        if (q.container != p.container) continue;
        const auto twipsA = std::array<int, 4>{p.rect.left, p.rect.top, p.rect.left + p.rect.width, p.rect.top + p.rect.height};
        const auto twipsB = std::array<int, 4>{q.rect.left, q.rect.top, q.rect.left + q.rect.width, q.rect.top + q.rect.height};
        if (overlap(twipsA, twipsB)) continue; // meant to lie over each other (the alarm box over the grid)
        EXPECT_FALSE(overlap(r, pixels(q.rect, dpi)))
            << name << " and " << kMainControlNames[static_cast<int>(q.control)] << " at " << dpi;
      }
    }
}

TEST(StationLayout, ColumnWidthsScaleAndRoundHalfToEven) {
  const struct {
    double r;
    std::array<int, 4> widths;
  } cases[] = {
      {1.0, {1050, 1230, 1230, 1300}},
      {(4935.0 + 1000.0) / 4935.0, {1263, 1479, 1479, 1563}}, // 1000 twips wider
      {1.25, {1312, 1538, 1538, 1625}},  // 1312.5 -> 1312, 1537.5 -> 1538
      {0.5, {525, 615, 615, 650}},
      {0.75, {788, 922, 922, 975}},       // 787.5 -> 788, 922.5 -> 922
  };
  for (const auto& c : cases) EXPECT_EQ(ScaledColumnWidths(c.r), c.widths) << c.r;

  // Independent of the floating-point rounding mode in force.
  const int previous = std::fegetround();
  std::fesetround(FE_UPWARD);
  const auto upward = ScaledColumnWidths(1.25);
  std::fesetround(FE_DOWNWARD);
  const auto downward = ScaledColumnWidths(1.25);
  std::fesetround(previous);
  EXPECT_EQ(upward, (std::array<int, 4>{1312, 1538, 1538, 1625}));
  EXPECT_EQ(downward, (std::array<int, 4>{1312, 1538, 1538, 1625}));
}

} // namespace
} // namespace orva
