// The window layout: every control at its design place inside its container,
// the client area, and the resize rule.
#include "station/settings/shortcuts.h"
#include "station/tests/win/station_fixture.h"
#include "winkit/control_helpers.h"
#include "winkit/twips.h"

namespace orva::test {
namespace {

using C = MainControl;

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
    const RECT r = winkit::RectInParent(w);
    EXPECT_NEAR(r.left, winkit::TwipsToPixels(place.rect.left, winkit::ScreenDpi().x), kTolerance);
    EXPECT_NEAR(r.top, winkit::TwipsToPixels(place.rect.top, winkit::ScreenDpi().y), kTolerance);
    EXPECT_NEAR(r.right - r.left, winkit::TwipsToPixels(place.rect.width, winkit::ScreenDpi().x), kTolerance);
    EXPECT_NEAR(r.bottom - r.top, winkit::TwipsToPixels(place.rect.height, winkit::ScreenDpi().y), kTolerance);
  }
  RECT client;
  GetClientRect(Main(), &client);
  EXPECT_NEAR(client.right, winkit::TwipsToPixels(kMainClientWidth, winkit::ScreenDpi().x), kTolerance);
  EXPECT_NEAR(client.bottom, winkit::TwipsToPixels(kMainClientHeight, winkit::ScreenDpi().y), kTolerance);
}

// Tab, as IsDialogMessage walks it through the frames, follows the chosen
// order: every control that takes the focus, once, and none other. Of the
// two unit options only the chosen one is a tab stop, as in any Windows
// option group; the arrow keys move between them.
TEST_F(StationTest, TabWalksTheControlsInTheChosenOrder) {
  std::vector<std::string> walked;
  HWND first = GetNextDlgTabItem(Main(), nullptr, FALSE), at = first;
  do {
    const int index = GetDlgCtrlID(at) - ControlId(static_cast<MainControl>(0));
    walked.push_back(index >= 0 && index < kMainControlCount ? kMainControlNames[index] : "?");
    at = GetNextDlgTabItem(Main(), at, FALSE);
  } while (at && at != first && walked.size() < 64);
  std::vector<std::string> chosen;
  for (MainControl c : TabOrder())
    if (GetWindowLongW(Ctl(c), GWL_STYLE) & WS_TABSTOP && IsWindowVisible(Ctl(c)) && IsWindowEnabled(Ctl(c)))
      chosen.push_back(kMainControlNames[static_cast<int>(c)]);
  const bool unitHz = SendMessageW(Ctl(C::OptLimitMode1), BM_GETCHECK, 0, 0) == BST_CHECKED;
  EXPECT_EQ(walked.front(), unitHz ? "OptLimitMode1" : "OptLimitMode0") << "Tab starts at the allowance";
  EXPECT_EQ(walked.size(), TabOrder().size() - 1) << "every control but the other unit option";
  EXPECT_EQ(walked, chosen);
}

// Notifications of controls deep in the frames reach the main window.
TEST_F(StationTest, ClicksInsideNestedFramesReachTheirHandlers) {
  RestartWithIni("[Limit]\r\nLimitMode=N\r\nHigh=20\r\nLow=10\r\n");
  Click(C::OptLimitMode1); // frmCmd > frmMeasure > frmLimit
  EXPECT_EQ(Run().LimitUnitMode, 1);
  Click(C::cmdEnd); // frmCmd > frmMeasure
  EXPECT_EQ(Run().MeasureState, 1);

  // A disabled frame keeps its contents from taking clicks.
  StartRun(L"20", L"10");
  link_.calls.clear();
  Click(C::OptLimitMode0);
  EXPECT_EQ(Run().LimitUnitMode, 1);
  Click(C::cmdStart);
  EXPECT_EQ(link_.Count("DeviceStart"), 0u);
}

struct Size {
  double width, height; // twips of the outer window
};

Size OuterTwips(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return {winkit::PixelsToTwips(r.right - r.left, winkit::ScreenDpi().x), winkit::PixelsToTwips(r.bottom - r.top, winkit::ScreenDpi().y)};
}

void ResizeBy(HWND w, double dxTwips, double dyTwips) {
  RECT r;
  GetWindowRect(w, &r);
  SetWindowPos(w, nullptr, 0, 0, r.right - r.left + winkit::TwipsToPixels(dxTwips, winkit::ScreenDpi().x), r.bottom - r.top + winkit::TwipsToPixels(dyTwips, winkit::ScreenDpi().y),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(StationTest, ResizeMovesTheCommandColumnAndScalesTheGrid) {
  const LayoutBaselines& base = window_->Baselines();
  const Size load = OuterTwips(Main());
  EXPECT_DOUBLE_EQ(base.MainFormWidth, load.width);
  EXPECT_DOUBLE_EQ(base.MainFormHeight, load.height);
  EXPECT_NEAR(base.DispWidth, 4935, 15);
  EXPECT_NEAR(base.DispHeight, 4950, 15);
  EXPECT_NEAR(base.frmCmdLeft, 5400, 15);

  const int cmdLeft = winkit::RectInParent(Ctl(C::frmCmd)).left;
  const RECT grid = winkit::RectInParent(Ctl(C::MSFlexGridMsr));
  const struct {
    const char* name;
    double dx, dy;
  } cases[] = {{"wider and taller", 1000, 600}, {"narrower and shorter", -1200, -500},
               {"much shorter", 0, -6000}, {"back to load size", 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetWindowPos(Main(), nullptr, 0, 0, winkit::TwipsToPixels(load.width, winkit::ScreenDpi().x), winkit::TwipsToPixels(load.height, winkit::ScreenDpi().y),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ResizeBy(Main(), c.dx, c.dy);
    const Size now = OuterTwips(Main());
    const double dx = now.width - load.width, dy = now.height - load.height;
    const RECT g = winkit::RectInParent(Ctl(C::MSFlexGridMsr));
    const RECT e = winkit::RectInParent(Ctl(C::txtError));
    EXPECT_EQ(g.left, grid.left);
    EXPECT_EQ(g.top, grid.top);
    EXPECT_EQ(e.right - e.left, g.right - g.left);
    EXPECT_EQ(e.bottom - e.top, g.bottom - g.top);
    const double expectedWidth = dx > 0 ? base.DispWidth + dx : base.DispWidth;
    const double expectedHeight = base.DispHeight + dy < 0 ? base.DispHeight : base.DispHeight + dy;
    EXPECT_NEAR(winkit::PixelsToTwips(g.right - g.left, winkit::ScreenDpi().x), expectedWidth, 15);
    EXPECT_NEAR(winkit::PixelsToTwips(g.bottom - g.top, winkit::ScreenDpi().y), expectedHeight, 15);
    EXPECT_NEAR(winkit::RectInParent(Ctl(C::frmCmd)).left, cmdLeft + (dx > 0 ? winkit::TwipsToPixels(dx, winkit::ScreenDpi().x) : 0), kTolerance);
    const double r = dx > 0 ? winkit::PixelsToTwips(g.right - g.left, winkit::ScreenDpi().x) / base.DispWidth : 1.0;
    const int widths[] = {1050, 1230, 1230, 1300};
    for (int col = 0; col < 4; ++col) EXPECT_NEAR(window_->Grid().ColWidth(col), widths[col] * r, 0.5) << col;
  }
}

} // namespace
} // namespace orva::test
