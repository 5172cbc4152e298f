// Link messages through SubclassProc: state flags, diagnose texts, alarms,
// and readings into the grid and the run log.
#include "station/tests/win/station_fixture.h"

namespace orva::test {
namespace {

using C = MainControl;

TEST_F(StationTest, HandlerRunningArrivesInsideUSBStart) {
  EXPECT_EQ(lib_.ExeStarted, kTrue);
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

TEST_F(StationTest, LinkMessagesMoveTheFlagsAndTheDiagnosePanel) {
  Notify(devlink::kNotifyDeviceStarted);
  EXPECT_EQ(lib_.DriverRunning, kTrue);
  EXPECT_EQ(Text(C::lblMeasure), L"Measure Mode");
  EXPECT_EQ(Text(C::lblDriver), L"Driver Run");
  EXPECT_EQ(Text(C::lblDiag), L"Start of USB driver was completed");

  // Device stopped and handler ended leave the indicator and START alone.
  lib_.MeasureState = 1;
  Notify(devlink::kNotifyDeviceStopped);
  EXPECT_EQ(lib_.DriverRunning, kFalse);
  EXPECT_EQ(lib_.MeasureState, 0);
  EXPECT_EQ(Text(C::lblDriver), L"Driver Stop");
  EXPECT_EQ(Text(C::lblDiag), L"Stop of USB driver was completed");
  EXPECT_EQ(Text(C::lblMeasure), L"Measure Mode");
  EXPECT_FALSE(Enabled(C::cmdStart));

  Notify(devlink::kNotifyHandlerEnded);
  EXPECT_EQ(Text(C::lblExe), L"Exe Stop");
  EXPECT_EQ(Text(C::lblDiag), L"USB EXE was unloaded");
  EXPECT_EQ(lib_.ExeStarted, kTrue); // never goes back
  EXPECT_FALSE(Enabled(C::cmdStart));

  Notify(devlink::kNotifyDeviceStartError);
  EXPECT_EQ(lib_.ErrorPending, kTrue);
  EXPECT_EQ(lib_.DriverRunning, kFalse);
  EXPECT_EQ(Text(C::lblMeasure), L"");
  EXPECT_TRUE(Enabled(C::cmdStart));
  EXPECT_EQ(Text(C::lblDiag), L"Starting error of USB driver");
}

TEST_F(StationTest, ErrorReportWithEmptySecondTextShowsTheAlarmScreen) {
  StartRun(L"20", L"10");
  EnableWindow(Ctl(C::cmdEnd), FALSE);
  link_.alarmNo = 5;
  link_.subCode = 2;
  link_.errorText1 = "Sensor signal lost   ";
  link_.errorText2 = "";
  Notify(devlink::kNotifyErrorReport);
  EXPECT_EQ(Text(C::txtError), L"Alarm No. 5\r\n\r\nSub Code: 2\r\n\r\nSensor signal lost\r\n");
  EXPECT_TRUE(Visible(C::txtError));
  EXPECT_FALSE(Visible(C::MSFlexGridMsr));
  EXPECT_EQ(Text(C::lblDisp), L"ALARM screen");
  EXPECT_TRUE(Enabled(C::cmdStart));
  EXPECT_TRUE(Enabled(C::cmdEnd));
  EXPECT_EQ(Text(C::lblMeasure), L"");
  EXPECT_EQ(Text(C::lblDiag), L"Receive error code");
  EXPECT_EQ(Text(C::lblDriver), L"Driver Stop");
  EXPECT_EQ(lib_.ErrorPending, kTrue);
  EXPECT_EQ(lib_.DriverRunning, kFalse);

  link_.alarmNo = -3;
  link_.errorText1 = "";
  link_.errorText2 = "second";
  Notify(devlink::kNotifyErrorReport);
  EXPECT_EQ(Text(C::txtError), L"Alarm No.-3\r\n\r\nSub Code: 2\r\n\r\n\r\nsecond\r\n");
}

struct JudgeCase {
  const char* name;
  const wchar_t* high;
  const wchar_t* low;
  int unit;
  const char* tension;
  const char* frequency;
  const wchar_t* judgement;
  std::uint32_t colour;
  const wchar_t* column2;
};

TEST_F(StationTest, ReadingsAreJudgedColouredAndLogged) {
  const JudgeCase cases[] = {
      {"equal to high", L"20", L"10", 0, "20.00", "85.00", L"GOOD", 0xFF0000, L"85.00 Hz"},
      {"above high", L"20", L"10", 0, "20.01", "85.00", L"HIGH", 0x0000FF, L"85.00 Hz"},
      {"below low", L"20", L"10", 0, "09.99", "85.00", L"LOW", 0xFF00FF, L"85.00 Hz"},
      {"low wins", L"10", L"20", 0, "15.00", "85.00", L"LOW", 0xFF00FF, L"85.00 Hz"},
      {"Hz not numeric", L"90", L"80", 1, "12.50", "abcde", L"", 0xFF00FF, L"abcde Hz"},
      {"Hz judged", L"90", L"80", 1, "99.99", "85.00", L"GOOD", 0xFF0000, L"85.00 Hz"},
      {"limit not numeric", L"x", L"", 0, "99.99", "85.00", L"GOOD", 0xFF0000, L"85.00 Hz"},
  };
  RestartWithIni("[SaveType]\r\nNeglectHighLow=false\r\n");
  StartRun(L"20", L"10");
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    window_->SetLimitMode(c.unit);
    SetText(C::txtLimitHigh, c.high);
    SetText(C::txtLimitLow, c.low);
    Reading(c.tension, c.frequency);
    const int row = n++;
    ReadingsGrid& grid = window_->Grid();
    EXPECT_EQ(grid.TextMatrix(row, 0), L"No.  " + std::to_wstring(n));
    EXPECT_EQ(grid.TextMatrix(row, 1), std::wstring(c.tension, c.tension + 5) + L" N");
    EXPECT_EQ(grid.TextMatrix(row, 2), c.column2);
    EXPECT_EQ(grid.TextMatrix(row, 3), c.judgement);
    EXPECT_EQ(grid.Row(), row);
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.CellForeColor(row, 3), c.colour);
    EXPECT_EQ(Text(C::lblDiag), L"Receive data from USB");
  }
  const auto lines = RunLogLines();
  ASSERT_EQ(lines.size(), std::size(cases));
  EXPECT_EQ(lines[1], " 2,20.01,85.00,HIGH");
  EXPECT_EQ(lines[4], " 5,12.50,abcde,");
  EXPECT_EQ(link_.Count("USBReceiveRead"), std::size(cases));
}

TEST_F(StationTest, OnlyGoodReadingsAreLoggedUnlessNeglectHighLowIsFalse) {
  const struct {
    const char* ini;
    size_t lines;
  } cases[] = {{"[SaveType]\r\nNeglectHighLow=true\r\n", 1},
               {"[SaveType]\r\nNeglectHighLow=\r\n", 1},
               {"", 1},
               {"[SaveType]\r\nNeglectHighLow=False\r\n", 1},
               {"[SaveType]\r\nNeglectHighLow=false\r\n", 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    RestartWithIni(std::string("[Limit]\r\nLimitMode=N\r\n") + c.ini);
    StartRun(L"20", L"10");
    Reading("25.00", "85.00");
    Reading("15.00", "85.00");
    Reading("ab.cd", "85.00");
    EXPECT_EQ(window_->Grid().TextMatrix(0, 3), L"HIGH");
    EXPECT_EQ(window_->Grid().CellForeColor(0, 3), 0x0000FFu);
    const auto lines = RunLogLines();
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines[c.lines == 1 ? 0 : 1], " 2,15.00,85.00,GOOD");
  }
}

TEST_F(StationTest, StopLeavesTheGridWhileReadingsAreCountedAndLogged) {
  RestartWithIni(kNewtonsKeepAll);
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  Click(C::cmdEnd);
  EXPECT_EQ(lib_.MeasureState, 1);
  EXPECT_EQ(Text(C::lblMeasure), L"");
  Reading("25.00", "85.00");
  Reading("16.00", "85.00");
  EXPECT_EQ(lib_.ReadingNo, 3);
  EXPECT_EQ(window_->Grid().TextMatrix(0, 1), L"15.00 N");
  EXPECT_EQ(window_->Grid().TextMatrix(1, 0), L"");
  EXPECT_EQ(window_->Grid().Row(), 0);
  // The current cell takes the colour of the latest reading.
  EXPECT_EQ(window_->Grid().CellForeColor(0, 3), 0xFF0000u);
  const auto lines = RunLogLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2], " 3,16.00,85.00,GOOD");
}

TEST_F(StationTest, GridWrapsAfter2048ReadingsAndScrollsBackToTheTop) {
  StartRun(L"20", L"10");
  ReadingsGrid& grid = window_->Grid();
  int visible = 0;
  for (int i = 1; i <= 60; ++i) {
    Reading("15.00", "85.00");
    if (grid.TopRow() == 0) visible = i;
  }
  EXPECT_GT(visible, 5);
  EXPECT_EQ(grid.TopRow(), 60 - visible); // one row further per reading once the grid is full
  for (int i = 61; i <= 2048; ++i) Reading("15.00", "85.00");
  EXPECT_EQ(grid.TextMatrix(2047, 0), L"No.  2048");
  Reading("25.00", "85.00");
  EXPECT_EQ(lib_.GridRow, 1);
  EXPECT_EQ(lib_.ReadingNo, 2049);
  EXPECT_EQ(grid.TopRow(), 0);
  EXPECT_EQ(grid.TextMatrix(0, 0), L"No.  2049");
  EXPECT_EQ(grid.TextMatrix(0, 3), L"HIGH");
  EXPECT_EQ(grid.TextMatrix(1, 0), L"No.  2");
  EXPECT_EQ(grid.TextMatrix(2047, 0), L"No.  2048");
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
