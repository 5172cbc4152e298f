// The main window's design table and its resize rule.
#include "station/settings/main_layout.h"

#include <gtest/gtest.h>

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
