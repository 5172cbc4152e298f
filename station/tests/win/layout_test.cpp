// The window layout: every control at its design place inside its container,
// the client area, and the resize rule.
#include "station_fixture.h"
#include "twips.h"

namespace orva::test {
namespace {

using C = MainControl;

RECT InParent(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

constexpr int kTolerance = 1; // pixels: one rounding step

TEST_F(StationTest, EveryControlSitsAtItsDesignPlaceInItsContainer) {
  for (const ControlPlacement& place : MainWindowDesign()) {
    SCOPED_TRACE(kMainControlNames[static_cast<int>(place.control)]);
    HWND w = Ctl(place.control);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(GetDlgCtrlID(w), ControlId(place.control));
    const HWND expectedParent = place.container == Container::Window ? Main()
                                : place.container == Container::frmCmd ? Ctl(C::frmCmd)
                                : place.container == Container::frmMeasure ? Ctl(C::frmMeasure)
                                                                           : Ctl(C::frmLimit);
    EXPECT_EQ(GetParent(w), expectedParent);
    const RECT r = InParent(w);
    EXPECT_NEAR(r.left, TwipsToPixelsX(place.rect.left), kTolerance);
    EXPECT_NEAR(r.top, TwipsToPixelsY(place.rect.top), kTolerance);
    EXPECT_NEAR(r.right - r.left, TwipsToPixelsX(place.rect.width), kTolerance);
    EXPECT_NEAR(r.bottom - r.top, TwipsToPixelsY(place.rect.height), kTolerance);
  }
  RECT client;
  GetClientRect(Main(), &client);
  EXPECT_NEAR(client.right, TwipsToPixelsX(kMainClientWidth), kTolerance);
  EXPECT_NEAR(client.bottom, TwipsToPixelsY(kMainClientHeight), kTolerance);
}

// Notifications of controls deep in the frames reach the main window.
TEST_F(StationTest, ClicksInsideNestedFramesReachTheirHandlers) {
  RestartWithIni("[Limit]\r\nLimitMode=N\r\nHigh=20\r\nLow=10\r\n");
  Click(C::OptLimitMode1); // frmCmd > frmMeasure > frmLimit
  EXPECT_EQ(lib_.LimitUnitMode, 1);
  Click(C::cmdEnd); // frmCmd > frmMeasure
  EXPECT_EQ(lib_.MeasureState, 1);

  // A disabled frame keeps its contents from taking clicks.
  window_->SetMeasuring(true);
  Click(C::OptLimitMode0);
  EXPECT_EQ(lib_.LimitUnitMode, 1);
  Click(C::cmdStart);
  EXPECT_EQ(link_.Count("DeviceStart"), 0u);
}

struct Size {
  double width, height; // twips of the outer window
};

Size OuterTwips(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return {PixelsToTwipsX(r.right - r.left), PixelsToTwipsY(r.bottom - r.top)};
}

void ResizeBy(HWND w, double dxTwips, double dyTwips) {
  RECT r;
  GetWindowRect(w, &r);
  SetWindowPos(w, nullptr, 0, 0, r.right - r.left + TwipsToPixelsX(dxTwips), r.bottom - r.top + TwipsToPixelsY(dyTwips),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(StationTest, ResizeMovesTheCommandColumnAndScalesTheGrid) {
  const LayoutBaselines& base = window_->Baselines;
  const Size load = OuterTwips(Main());
  EXPECT_DOUBLE_EQ(base.MainFormWidth, load.width);
  EXPECT_DOUBLE_EQ(base.MainFormHeight, load.height);
  EXPECT_NEAR(base.DispWidth, 4935, 15);
  EXPECT_NEAR(base.DispHeight, 4950, 15);
  EXPECT_NEAR(base.frmCmdLeft, 5400, 15);

  const int cmdLeft = InParent(Ctl(C::frmCmd)).left;
  const RECT grid = InParent(Ctl(C::MSFlexGridMsr));
  const struct {
    const char* name;
    double dx, dy;
  } cases[] = {{"wider and taller", 1000, 600}, {"narrower and shorter", -1200, -500},
               {"much shorter", 0, -6000}, {"back to load size", 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetWindowPos(Main(), nullptr, 0, 0, TwipsToPixelsX(load.width), TwipsToPixelsY(load.height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ResizeBy(Main(), c.dx, c.dy);
    const Size now = OuterTwips(Main());
    const double dx = now.width - load.width, dy = now.height - load.height;
    const RECT g = InParent(Ctl(C::MSFlexGridMsr));
    const RECT e = InParent(Ctl(C::txtError));
    EXPECT_EQ(g.left, grid.left);
    EXPECT_EQ(g.top, grid.top);
    EXPECT_EQ(e.right - e.left, g.right - g.left);
    EXPECT_EQ(e.bottom - e.top, g.bottom - g.top);
    const double expectedWidth = dx > 0 ? base.DispWidth + dx : base.DispWidth;
    const double expectedHeight = base.DispHeight + dy < 0 ? base.DispHeight : base.DispHeight + dy;
    EXPECT_NEAR(PixelsToTwipsX(g.right - g.left), expectedWidth, 15);
    EXPECT_NEAR(PixelsToTwipsY(g.bottom - g.top), expectedHeight, 15);
    EXPECT_NEAR(InParent(Ctl(C::frmCmd)).left, cmdLeft + (dx > 0 ? TwipsToPixelsX(dx) : 0), kTolerance);
    const double r = dx > 0 ? PixelsToTwipsX(g.right - g.left) / base.DispWidth : 1.0;
    const int widths[] = {1050, 1230, 1230, 1300};
    for (int col = 0; col < 4; ++col) EXPECT_NEAR(window_->Grid().ColWidth(col), widths[col] * r, 0.5) << col;
  }
}

} // namespace
} // namespace orva::test
