// The run's display on the real controls, the diagnose display, captions,
// menu and the readings grid's own operations on the real main window.
#include "station/tests/win/station_fixture.h"
#include "winkit/wait.h"

#include <commctrl.h>

namespace orva::test {
namespace {

using C = MainControl;

TEST_F(StationTest, StopEndsTheRunDisplayOnTheControls) {
  StartRun(L"20", L"10");
  Click(C::cmdEnd);
  EXPECT_EQ(Text(C::lblMeasure), L"");
  EXPECT_TRUE(Enabled(C::cmdStart));
  EXPECT_TRUE(Enabled(C::cmdEnd));
  for (C c : {C::txtLimitHigh, C::txtLimitLow, C::frmLimit}) EXPECT_TRUE(Enabled(c));
}

TEST_F(StationTest, ScreenButtonsSwitchBetweenGridAndAlarmBox) {
  Click(C::cmdDispChange1);
  EXPECT_FALSE(Visible(C::MSFlexGridMsr));
  EXPECT_TRUE(Visible(C::txtError));
  EXPECT_EQ(Text(C::lblDisp), L"ALARM screen");

  Click(C::cmdDispChange0);
  EXPECT_TRUE(Visible(C::MSFlexGridMsr));
  EXPECT_FALSE(Visible(C::txtError));
  EXPECT_EQ(Text(C::lblDisp), L"MEASURE screen");
}

bool MenuItemEnabled(HMENU menu, MainMenu item) {
  return !(GetMenuState(menu, MenuCommandId(item), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

TEST_F(StationTest, DiagnoseMenuFollowsTheExactModeAndThePanelStartsHidden) {
  const struct {
    const char* mode;
    bool enabled;
  } cases[] = {{"enable", true}, {"disable", false}, {"Enable", false}, {"", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    lib_.CurDiagMode = c.mode;
    window_->ApplyDiagMode();
    EXPECT_EQ(MenuItemEnabled(window_->Menu(), MainMenu::USBdiagnose), c.enabled);
    for (C label : {C::lblDiag, C::lblExe, C::lblDriver}) EXPECT_FALSE(Visible(label));
  }
  SendMessageW(Main(), WM_COMMAND, MenuCommandId(MainMenu::USBdiagnose), 0);
  for (C label : {C::lblDiag, C::lblExe, C::lblDriver}) {
    EXPECT_TRUE(Visible(label));
    EXPECT_EQ(window_->LabelColour(label), COLORREF{0xFF0000});
  }
}

std::wstring MenuText(HMENU menu, UINT position) {
  wchar_t text[64] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_ID;
  info.dwTypeData = text;
  info.cch = 64;
  GetMenuItemInfoW(menu, position, TRUE, &info);
  return std::wstring(text) + L"#" + std::to_wstring(info.wID);
}

TEST_F(StationTest, MenuBarCarriesCommandIdsOnHeadingsAndItemsWithEnglishCaptionsAndTheirKeys) {
  auto id = [](MainMenu m) { return L"#" + std::to_wstring(MenuCommandId(m)); };
  HMENU bar = window_->Menu();
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(MenuText(bar, 0), L"File" + id(MainMenu::menu_file));
  EXPECT_EQ(MenuText(bar, 1), L"Tool" + id(MainMenu::menu_tool));
  EXPECT_EQ(MenuText(bar, 2), L"Help" + id(MainMenu::menu_help));
  HMENU file = GetSubMenu(bar, 0), tool = GetSubMenu(bar, 1), help = GetSubMenu(bar, 2);
  EXPECT_EQ(MenuText(file, 0), L"Save\tCtrl+S" + id(MainMenu::fsave));
  EXPECT_EQ(MenuText(file, 1), L"Print\tCtrl+P" + id(MainMenu::fprint));
  EXPECT_EQ(MenuText(file, 2), L"Run Archive\tCtrl+R" + id(MainMenu::RunArchive));
  EXPECT_EQ(MenuText(file, 3), L"Exit" + id(MainMenu::exit));
  EXPECT_EQ(MenuText(tool, 0), L"Diagnose" + id(MainMenu::USBdiagnose));
  EXPECT_EQ(MenuText(tool, 1), L"Setting" + id(MainMenu::Setting));
  EXPECT_EQ(MenuText(tool, 2), L"Statistics\tCtrl+T" + id(MainMenu::Statistics));
  EXPECT_EQ(MenuText(tool, 3), L"Allowances..." + id(MainMenu::Allowances));
  EXPECT_EQ(MenuText(help, 0), L"Help\tF1" + id(MainMenu::fhelp));
  EXPECT_EQ(MenuText(help, 1), L"Version" + id(MainMenu::version));
}

TEST_F(StationTest, StartUpShowsEnglishCaptionsAndTheMeasureScreen) {
  wchar_t caption[128] = {};
  GetWindowTextW(Main(), caption, 128);
  EXPECT_STREQ(caption, L"Sound Wave Style Tension Meter");
  EXPECT_EQ(Text(C::LblTitle), L"TENSOWAVE");
  EXPECT_EQ(Text(C::cmdStart), L"START");
  EXPECT_EQ(Text(C::lblLowTitle), L"Low  Limit ");
  EXPECT_EQ(Text(C::frmLimit), L"Allowance");
  EXPECT_EQ(Text(C::lblDisp), L"MEASURE screen");
  EXPECT_EQ(Text(C::lblMeasure), L"");
  EXPECT_TRUE(Visible(C::MSFlexGridMsr));
  EXPECT_FALSE(Visible(C::txtError));
  EXPECT_EQ(lib_.CurLanguage, "english");
}

TEST_F(StationTest, ClearAlarmAndResetEmptyTheAlarmText) {
  SetText(C::txtError, L"Alarm No. 5");
  Click(C::CmdErrorReset);
  EXPECT_EQ(Text(C::txtError), L"");
}

// The grid answers the list-view's own text requests from its cells, as an
// outside reader (screen reader, the end-to-end tests) sees them.
TEST_F(StationTest, GridCellsAreReadableThroughTheListView) {
  ReadingsGrid& grid = window_->Grid();
  EXPECT_EQ(grid.Rows(), 2048);
  EXPECT_EQ(grid.Cols(), 4);
  EXPECT_EQ(SendMessageW(grid.Handle(), LVM_GETITEMCOUNT, 0, 0), 2048);
  grid.SetTextMatrix(5, 2, L"85.00 Hz");
  wchar_t text[64] = {};
  LVITEMW item{};
  item.iSubItem = 2;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(grid.Handle(), LVM_GETITEMTEXTW, 5, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"85.00 Hz");
  grid.Clear();
  SendMessageW(grid.Handle(), LVM_GETITEMTEXTW, 5, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"");
}

TEST_F(StationTest, GridTopRowAndColumnGeometry) {
  ReadingsGrid& grid = window_->Grid();
  const int widths[] = {1050, 1230, 1230, 1300};
  for (int c = 0; c < 4; ++c) EXPECT_EQ(grid.ColWidth(c), widths[c]) << c;
  // Vertical scroll bar only: the last column ends at the grid's edge.
  EXPECT_FALSE(GetWindowLongW(grid.Handle(), GWL_STYLE) & WS_HSCROLL);
  RECT client;
  GetClientRect(grid.Handle(), &client);
  int shown = 0;
  for (int c = 0; c < 4; ++c) shown += static_cast<int>(SendMessageW(grid.Handle(), LVM_GETCOLUMNWIDTH, c, 0));
  EXPECT_EQ(shown, client.right);
  // The list follows the grid's top row when its view is refreshed.
  auto listTop = [&] { return static_cast<int>(SendMessageW(grid.Handle(), LVM_GETTOPINDEX, 0, 0)); };
  for (int top : {40, 3, 0, 2047}) {
    SCOPED_TRACE(top);
    grid.SetTopRow(top);
    const int expected = top == 2047 ? 2048 - static_cast<int>(SendMessageW(grid.Handle(), LVM_GETCOUNTPERPAGE, 0, 0)) : top;
    EXPECT_EQ(grid.TopRow(), expected);
    grid.SyncView();
    EXPECT_EQ(listTop(), expected);
    EXPECT_EQ(grid.TopRow(), expected);
  }
  grid.SetTopRow(7);
  winkit::WaitSeconds(ReadingsGrid::kViewRefreshMs / 1000.0f + 0.2f);
  EXPECT_EQ(listTop(), 7);
}

int g_probeMessages = 0;

LRESULT CALLBACK ProbeProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP + 7) ++g_probeMessages;
  return DefWindowProcW(w, msg, wp, lp);
}

TEST(StationWaitSeconds, HandlesMessagesDuringTheWaitAndKeepsAQuitForLater) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = ProbeProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"WaitSecondsProbe";
  RegisterClassW(&wc);
  HWND probe = CreateWindowW(L"WaitSecondsProbe", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(probe, nullptr);
  PostMessageW(probe, WM_APP + 7, 0, 0);
  PostQuitMessage(3);
  winkit::WaitSeconds(0.05f);
  EXPECT_EQ(g_probeMessages, 1);
  MSG msg{};
  bool quit = false;
  while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) quit = msg.message == WM_QUIT;
  ASSERT_TRUE(quit);
  EXPECT_EQ(msg.wParam, 3u);
  DestroyWindow(probe);
}

} // namespace
} // namespace orva::test
