// Link messages through SubclassProc into the run and onto the real window:
// one check per path (what each message decides is tested natively with the
// run flow), and what only the real grid shows.
#include "station/tests/win/station_fixture.h"

namespace orva::test {
namespace {

using C = MainControl;

TEST_F(StationTest, HandlerRunningArrivesInsideUSBStart) {
  EXPECT_EQ(Run().ExeStarted, kTrue);
  EXPECT_EQ(Text(C::lblExe), L"Exe Run");
  EXPECT_EQ(Text(C::lblDiag), L"Start of USB EXE was completed");
  ASSERT_EQ(link_.calls, std::vector<std::string>{"USBStart"});
  EXPECT_EQ(link_.lastParams.mainWindow, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Main())));
  EXPECT_EQ(link_.lastParams.languageFlag, 1u);
  EXPECT_EQ(link_.lastParams.param3, 129u);
  EXPECT_EQ(link_.lastParams.param4, 2000000000u);
  EXPECT_EQ(lib_.MainHwnd, Main());
  EXPECT_NE(lib_.OldWndProc, nullptr);
}

TEST_F(StationTest, LinkMessagesReachTheRunAndItsControls) {
  EXPECT_EQ(Text(C::lblDriver), L"Driver Stop");
  Notify(devlink::kNotifyDeviceStarted);
  EXPECT_EQ(Run().DriverRunning, kTrue);
  EXPECT_EQ(Text(C::lblMeasure), L"Measure Mode");
  EXPECT_EQ(window_->LabelColour(C::lblMeasure), COLORREF{0x0000FF});
  EXPECT_EQ(Text(C::lblDriver), L"Driver Run");
  EXPECT_EQ(Text(C::lblDiag), L"Start of USB driver was completed");
  EXPECT_FALSE(Enabled(C::cmdStart));
  EXPECT_TRUE(Enabled(C::cmdEnd));
  for (C c : {C::txtLimitHigh, C::txtLimitLow, C::frmLimit}) EXPECT_FALSE(Enabled(c));

  Notify(devlink::kNotifyDeviceStartError);
  EXPECT_EQ(Run().ErrorPending, kTrue);
  EXPECT_EQ(Text(C::lblMeasure), L"");
  EXPECT_TRUE(Enabled(C::cmdStart));
  for (C c : {C::txtLimitHigh, C::txtLimitLow, C::frmLimit}) EXPECT_TRUE(Enabled(c));
}

TEST_F(StationTest, ErrorReportIsReadCleanedAndShownOnTheAlarmScreen) {
  StartRun(L"20", L"10");
  EnableWindow(Ctl(C::cmdEnd), FALSE);
  link_.alarmNo = 5;
  link_.subCode = 2;
  link_.errorText1 = "Sensor signal lost   ";
  link_.errorText2 = "";
  Notify(devlink::kNotifyErrorReport);
  EXPECT_EQ(link_.Count("DeviceErrorRead"), 1u);
  EXPECT_EQ(Text(C::txtError), L"Alarm No. 5\r\n\r\nSub Code: 2\r\n\r\nSensor signal lost\r\n");
  EXPECT_TRUE(Visible(C::txtError));
  EXPECT_FALSE(Visible(C::MSFlexGridMsr));
  EXPECT_EQ(Text(C::lblDisp), L"ALARM screen");
  EXPECT_TRUE(Enabled(C::cmdStart));
  EXPECT_TRUE(Enabled(C::cmdEnd));
}

// The limits the run judges against are what the boxes hold, also when the
// operator edits them after STOP while readings go on arriving.
TEST_F(StationTest, ReadingsReachTheGridAndTheRunLogJudgedByTheBoxes) {
  RestartWithIni(kNewtonsKeepAll);
  StartRun(L"20", L"10");
  Reading("20.01", "85.00");
  Click(C::cmdEnd);
  SetText(C::txtLimitHigh, L"21");
  Reading("20.50", "85.00");
  Click(C::cmdStart);
  Reading("20.50", "85.00");
  ReadingsGrid& grid = window_->Grid();
  EXPECT_EQ(grid.TextMatrix(0, 0), L"No.  1");
  EXPECT_EQ(grid.TextMatrix(0, 1), L"20.50 N");
  EXPECT_EQ(grid.TextMatrix(0, 2), L"85.00 Hz");
  EXPECT_EQ(grid.TextMatrix(0, 3), L"GOOD");
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.Col(), 3);
  EXPECT_EQ(grid.CellForeColor(0, 3), 0xFF0000u);
  EXPECT_EQ(Text(C::lblDiag), L"Receive data from USB");
  EXPECT_EQ(RunLogLines(), std::vector<std::string>{" 1,20.50,85.00,GOOD"});
  EXPECT_EQ(link_.Count("USBReceiveRead"), 3u);

  Reading("21.01", "85.00");
  EXPECT_EQ(grid.TextMatrix(1, 3), L"HIGH");
  EXPECT_EQ(grid.CellForeColor(1, 3), 0x0000FFu);
}

// How far the grid scrolls depends on the real grid's height and row height.
TEST_F(StationTest, GridScrollsOneRowPerReadingOnceItIsFull) {
  StartRun(L"20", L"10");
  ReadingsGrid& grid = window_->Grid();
  int visible = 0;
  for (int i = 1; i <= 60; ++i) {
    Reading("15.00", "85.00");
    if (grid.TopRow() == 0) visible = i;
  }
  EXPECT_GT(visible, 5);
  EXPECT_EQ(grid.TopRow(), 60 - visible);
  Click(C::cmdEnd);
  Click(C::cmdStart);
  Reading("15.00", "85.00");
  EXPECT_EQ(grid.TopRow(), 0);
}

// Reading 2049 goes to row 0 again with the list back at its top; the other
// rows keep their readings' texts and colours, as the list shows them, until
// overwritten. After STOP a reading at row 0 changes no text but recolours.
TEST_F(StationTest, GridWrapsToRowZeroAndItsTopAfter2048Readings) {
  RestartWithIni(kNewtonsKeepAll);
  StartRun(L"20", L"10");
  ReadingsGrid& grid = window_->Grid();
  const auto listTop = [&] { return static_cast<int>(SendMessageW(grid.Handle(), LVM_GETTOPINDEX, 0, 0)); };
  const auto listText = [&](int row, int col) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = col;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(grid.Handle(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return std::wstring(text);
  };
  for (int i = 1; i <= 2048; ++i) Reading(i == 2 ? "20.50" : "15.00", "85.00");
  grid.SyncView();
  const int perPage = static_cast<int>(SendMessageW(grid.Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
  EXPECT_EQ(listTop(), 2048 - perPage);

  Reading("09.00", "85.00");
  EXPECT_EQ(grid.TopRow(), 0);
  grid.SyncView();
  EXPECT_EQ(listTop(), 0);
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.Col(), 3);
  const struct {
    int row;
    const wchar_t* number;
    const wchar_t* judgement;
    std::uint32_t colour;
  } rows[] = {
      {0, L"No.  2049", L"LOW", 0xFF00FF},
      {1, L"No.  2", L"HIGH", 0x0000FF},
      {2, L"No.  3", L"GOOD", 0xFF0000},
      {2047, L"No.  2048", L"GOOD", 0xFF0000},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    EXPECT_EQ(listText(r.row, 0), r.number);
    EXPECT_EQ(listText(r.row, 3), r.judgement);
    EXPECT_EQ(grid.CellForeColor(r.row, 3), r.colour);
  }

  Click(C::cmdEnd);
  Reading("20.50", "85.00");
  EXPECT_EQ(Run().ReadingNo, 2050);
  EXPECT_EQ(listText(1, 0), L"No.  2");
  EXPECT_EQ(listText(0, 0), L"No.  2049");
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.CellForeColor(0, 3), 0x0000FFu);
  EXPECT_EQ(RunLogLines().size(), 2050u);
}

TEST_F(StationTest, EveryMessageStillReachesTheWindowThroughTheSubclass) {
  SetWindowTextW(Main(), L"Renamed");
  wchar_t caption[32] = {};
  GetWindowTextW(Main(), caption, 32);
  EXPECT_STREQ(caption, L"Renamed");
  // A link message is passed on as well and answered by the window.
  EXPECT_EQ(Notify(devlink::kNotifyHandlerRunning), 0);
}

} // namespace
} // namespace orva::test
