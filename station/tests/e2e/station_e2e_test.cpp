// The real ORVA.exe, meterlink.dll and meter simulator as separate processes,
// watched from outside: windows, texts, the grid, message boxes and files.
#include "station/tests/e2e/station_process.h"

#include <gtest/gtest.h>

#include <string>

using e2e::StationProcess;

namespace {

constexpr DWORD kWindowWait = 30000;
constexpr DWORD kReadingWait = 30000;

const char kAllowanceIni[] =
    "[Limit]\r\nLimitMode=N\r\nLow=12\r\nHigh=13\r\n[Print]\r\nTitle=Line 3\r\n"
    "[SaveType]\r\nNeglectHighLow=false\r\n";

// Three readings with known judgements against 12..13 N, then silence.
const char kThreeReadings[] =
    "rate = 0\r\nreading = 12.50 85.00\r\nreading = 14.00 90.00\r\nreading = 10.00 80.00\r\n";

class StationEndToEnd : public ::testing::Test {
protected:
  void SetUp() override { e2e::KillSimulators(); }
  void TearDown() override { e2e::KillSimulators(); }

  // Waits until a condition on the station holds, polling.
  template <typename Pred> static bool Eventually(Pred pred, DWORD ms = 10000) {
    const DWORD start = GetTickCount(), limit = static_cast<DWORD>(ms);
    do {
      if (pred()) return true;
      Sleep(50);
    } while (GetTickCount() - start < limit);
    return false;
  }

  static void StartAndWait(StationProcess& station) {
    ASSERT_TRUE(station.Start().hProcess);
    ASSERT_TRUE(station.WaitForMainWindow(kWindowWait)) << "no main window";
  }

  // The window exists before its load has started the link, and a click
  // during the load's wait would be handled at once: wait for the handler.
  static void StartWithLink(StationProcess& station) {
    ASSERT_NO_FATAL_FAILURE(StartAndWait(station));
    ASSERT_TRUE(Eventually([&] { return station.Text("lblExe") == L"Exe Run"; }, kWindowWait))
        << "the link did not come up";
  }
};

TEST_F(StationEndToEnd, StartShowsJudgedReadingsInGridAndRunLog) {
  StationProcess station(kThreeReadings);
  station.WriteFile("ORVA.ini", kAllowanceIni);
  ASSERT_NO_FATAL_FAILURE(StartWithLink(station));

  station.Click("cmdStart");
  ASSERT_TRUE(station.WaitForRunLogLines(3, kReadingWait))
      << "diagnose: " << testing::PrintToString(station.Text("lblExe")) << " "
      << testing::PrintToString(station.Text("lblDriver")) << " "
      << testing::PrintToString(station.Text("lblDiag"));
  const auto log = station.RunLogLines();
  EXPECT_EQ(log[0], " 1,12.50,85.00,GOOD");
  EXPECT_EQ(log[1], " 2,14.00,90.00,HIGH");
  EXPECT_EQ(log[2], " 3,10.00,80.00,LOW");

  EXPECT_EQ(station.GridCell(0, 0), L"No.  1");
  EXPECT_EQ(station.GridCell(0, 1), L"12.50 N");
  EXPECT_EQ(station.GridCell(0, 2), L"85.00 Hz");
  EXPECT_EQ(station.GridCell(0, 3), L"GOOD");
  EXPECT_EQ(station.GridCell(1, 3), L"HIGH");
  EXPECT_EQ(station.GridCell(2, 3), L"LOW");
  EXPECT_EQ(station.Text("lblMeasure"), L"Measure Mode");
  EXPECT_FALSE(station.Enabled("cmdStart"));
  EXPECT_TRUE(station.Enabled("cmdEnd"));
}

TEST_F(StationEndToEnd, StopFreezesTheGridWhileReadingsAreStillLogged) {
  StationProcess station("rate = 10\r\nscatter = 0\r\noutlier_every = 0\r\n");
  station.WriteFile("ORVA.ini", kAllowanceIni);
  ASSERT_NO_FATAL_FAILURE(StartWithLink(station));
  station.Click("cmdStart");
  ASSERT_TRUE(station.WaitForRunLogLines(3, kReadingWait));

  station.Click("cmdEnd");
  ASSERT_TRUE(Eventually([&] { return station.Text("lblMeasure").empty(); }));
  const size_t atStop = station.RunLogLines().size();
  ASSERT_TRUE(station.WaitForRunLogLines(atStop + 10, kReadingWait));

  // Numbering went on in the run log, but rows past the stop stay empty.
  const auto log = station.RunLogLines();
  EXPECT_EQ(log[atStop + 9].substr(0, std::to_string(atStop + 10).size() + 1),
            " " + std::to_string(atStop + 10));
  EXPECT_EQ(station.GridCell(static_cast<int>(atStop + 5), 0), L"");
  EXPECT_TRUE(station.Enabled("cmdStart"));
  EXPECT_TRUE(station.Enabled("txtLimitHigh"));
}

TEST_F(StationEndToEnd, ErrorReportShowsTheAlarmScreen) {
  StationProcess station(
      "rate = 20\r\nerror_after = 2\r\nerror_alarm = 5\r\nerror_subcode = 2\r\n"
      "error_text1 = Belt signal lost\r\n");
  station.WriteFile("ORVA.ini", kAllowanceIni);
  ASSERT_NO_FATAL_FAILURE(StartWithLink(station));
  station.Click("cmdStart");

  ASSERT_TRUE(Eventually([&] { return station.Visible("txtError"); }, kReadingWait));
  EXPECT_EQ(station.Text("txtError"), L"Alarm No. 5\r\n\r\nSub Code: 2\r\n\r\nBelt signal lost\r\n");
  EXPECT_FALSE(station.Visible("MSFlexGridMsr"));
  EXPECT_EQ(station.Text("lblDisp"), L"ALARM screen");
  EXPECT_EQ(station.Text("lblDriver"), L"Driver Stop");
  EXPECT_TRUE(station.Enabled("cmdStart"));
  EXPECT_TRUE(station.Enabled("cmdEnd"));
}

TEST_F(StationEndToEnd, ExitWhileMeasuringStopsTheDeviceOnceAndEndsTheLinkTwice) {
  StationProcess station("rate = 5\r\nexit_delay_ms = 3000\r\n");
  station.WriteFile("ORVA.ini", kAllowanceIni);
  ASSERT_NO_FATAL_FAILURE(StartWithLink(station));
  station.Click("cmdStart");
  ASSERT_TRUE(station.WaitForRunLogLines(1, kReadingWait));

  station.Click("CmdExit");
  DWORD code = 1;
  ASSERT_TRUE(station.WaitForExit(20000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(station.CountSimulatorLog("USBMsgDeviceEnd"), 1u);
  EXPECT_EQ(station.CountSimulatorLog("USBMsgEnd"), 2u);
  const std::string ini = station.ReadFile("ORVA.ini");
  EXPECT_NE(ini.find("LimitMode=N"), std::string::npos);
  EXPECT_NE(ini.find("High=13"), std::string::npos);
}

TEST_F(StationEndToEnd, ExitWhileIdleSendsNoDeviceStop) {
  StationProcess station("rate = 5\r\nexit_delay_ms = 3000\r\n");
  ASSERT_NO_FATAL_FAILURE(StartWithLink(station));
  station.Click("CmdExit");
  ASSERT_TRUE(station.WaitForExit(20000));
  EXPECT_EQ(station.CountSimulatorLog("USBMsgDeviceEnd"), 0u);
  EXPECT_EQ(station.CountSimulatorLog("USBMsgEnd"), 2u);
}

TEST_F(StationEndToEnd, FirstStartWithoutSettingsWritesOnlyLimitAndPrint) {
  StationProcess station("rate = 0\r\n");
  ASSERT_FALSE(station.FileExists("ORVA.ini"));
  ASSERT_NO_FATAL_FAILURE(StartAndWait(station));
  EXPECT_EQ(station.Text("lblHigh"), L"Hz");
  EXPECT_EQ(station.Text("txtLimitHigh"), L"");
  EXPECT_FALSE(station.FileExists("ORVA.ini")) << "nothing is written at start-up";

  station.Close();
  ASSERT_TRUE(station.WaitForExit(20000));
  const std::string ini = station.ReadFile("ORVA.ini");
  EXPECT_NE(ini.find("[Limit]"), std::string::npos);
  EXPECT_NE(ini.find("LimitMode=Hz"), std::string::npos);
  EXPECT_NE(ini.find("[Print]"), std::string::npos);
  EXPECT_EQ(ini.find("[SaveType]"), std::string::npos);
  EXPECT_EQ(ini.find("[Diagnose]"), std::string::npos);
  EXPECT_EQ(ini.find("[Language]"), std::string::npos);
}

TEST_F(StationEndToEnd, SecondInstanceEndsSilently) {
  StationProcess first("rate = 0\r\n");
  first.WriteFile("ORVA.ini", kAllowanceIni);
  ASSERT_NO_FATAL_FAILURE(StartWithLink(first));

  StationProcess second("rate = 0\r\n");
  second.WriteFile("ORVA.ini", "[Limit]\r\nHigh=99\r\n");
  ASSERT_TRUE(second.Start().hProcess);
  ASSERT_TRUE(second.WaitForExit(20000)) << "the second copy must end by itself";
  EXPECT_EQ(second.ReadFile("ORVA.ini"), "[Limit]\r\nHigh=99\r\n");
  EXPECT_FALSE(second.FileExists("sim.log")) << "the second copy must not start the link";
  EXPECT_EQ(first.CountSimulatorLog("start"), 1u);
  EXPECT_TRUE(IsWindow(first.MainWindow()));
}

TEST_F(StationEndToEnd, MissingLibraryIsReportedAndEndsTheProgram) {
  StationProcess station("rate = 0\r\n", /*withLibrary=*/false);
  ASSERT_TRUE(station.Start().hProcess);
  const auto box = e2e::WaitForMessageBox(station.ProcessId(), kWindowWait);
  ASSERT_TRUE(box.window) << "no message box";
  EXPECT_EQ(box.text, L"DLL(meterlink.dll) is not found.");
  ASSERT_TRUE(e2e::PressMessageBoxButton(box.window, L"OK"));
  ASSERT_TRUE(station.WaitForExit(20000));
  EXPECT_FALSE(station.FileExists("sim.log")) << "no handler may be started";
  EXPECT_TRUE(station.FileExists("ORVA.ini")) << "the unload path still saves the settings";
}

TEST_F(StationEndToEnd, StartWithoutHandlerSaysSo) {
  // A simulator without its titled window: the library finds no handler.
  StationProcess station("no_window = 1\r\n");
  station.WriteFile("ORVA.ini", kAllowanceIni);
  ASSERT_NO_FATAL_FAILURE(StartAndWait(station));
  // USBStart gives up on the windowless handler; START then finds no handler.
  station.Click("cmdStart");
  const auto box = e2e::WaitForMessageBox(station.ProcessId(), kWindowWait);
  ASSERT_TRUE(box.window);
  EXPECT_EQ(box.text, L"Driver(LinkKeeper) was not executed.");
  e2e::PressMessageBoxButton(box.window, L"OK");
}

} // namespace

// ---- the keyboard -----------------------------------------------------------

// Every key does what its button does, and nothing where the button would
// refuse the click; Enter in a limit box starts nothing.
TEST_F(StationEndToEnd, ShortcutKeysDoWhatTheirButtonsDoAndNothingWhereTheButtonIsDisabled) {
  StationProcess station("rate = 20\r\nscatter = 0\r\noutlier_every = 0\r\n");
  station.WriteFile("ORVA.ini", kAllowanceIni);
  ASSERT_NO_FATAL_FAILURE(StartWithLink(station));

  station.PressKey(VK_RETURN, false, "txtLimitHigh");
  Sleep(1000);
  EXPECT_TRUE(station.Enabled("cmdStart")) << "Enter in a limit box started a run";
  EXPECT_TRUE(station.Text("lblMeasure").empty());

  station.PressKey(VK_F5, false, "txtLimitHigh"); // START, typed where the operator types
  ASSERT_TRUE(Eventually([&] { return station.Text("lblMeasure") == L"Measure Mode"; }));
  ASSERT_TRUE(station.WaitForRunLogLines(5, kReadingWait));
  station.PressKey(VK_F5); // START is disabled while measuring: the run log is not emptied
  const size_t before = station.RunLogLines().size();
  ASSERT_TRUE(station.WaitForRunLogLines(before + 5, kReadingWait));
  EXPECT_EQ(station.RunLogLines()[0].substr(0, 3), " 1,");
  EXPECT_GE(station.RunLogLines().size(), before + 5) << "a second START emptied the run log";

  station.PressKey(VK_F8);
  ASSERT_TRUE(Eventually([&] { return station.Visible("txtError"); }));
  EXPECT_FALSE(station.Visible("MSFlexGridMsr"));
  station.PressKey(VK_F7);
  ASSERT_TRUE(Eventually([&] { return station.Visible("MSFlexGridMsr"); }));

  station.PressKey(VK_F6); // STOP
  ASSERT_TRUE(Eventually([&] { return station.Text("lblMeasure").empty(); }));
  EXPECT_TRUE(station.Enabled("cmdStart"));

  station.PressKey('S', true);
  ASSERT_TRUE(station.AnswerFileDialog(station.PathOf("keys.csv"), kWindowWait)) << "Ctrl+S opened no save dialog";
  ASSERT_TRUE(Eventually([&] { return station.FileExists("keys.csv"); }));
  EXPECT_NE(station.ReadFile("keys.csv").find(" 1,"), std::string::npos);

  // The two windows beside the station, each once however often asked.
  using orva::testsupport::FindTopLevelWindow;
  using orva::testsupport::WaitForTopLevelWindow;
  const DWORD pid = station.ProcessId();
  station.PressKey('T', true);
  const HWND statistics = WaitForTopLevelWindow(L"Run Statistics", kWindowWait, pid);
  EXPECT_TRUE(statistics) << "Ctrl+T opened no statistics";
  station.PressKey('R', true);
  const HWND archive = WaitForTopLevelWindow(L"Run Archive", kWindowWait, pid);
  EXPECT_TRUE(archive) << "Ctrl+R opened no run archive";
  station.PressKey('R', true);
  Sleep(500);
  EXPECT_EQ(FindTopLevelWindow(L"Run Archive", pid), archive);
  // Esc closes either, as it closes a dialog.
  for (const HWND window : {archive, statistics}) {
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_TRUE(Eventually([&] { return !IsWindow(window); })) << "Esc left a window open";
  }

  // Ctrl+P: the Print dialog, over a main window that takes no keys
  // meanwhile (F5 starts nothing); Cancel prints nothing.
  station.PressKey('P', true);
  const HWND print = WaitForTopLevelWindow(L"Print", kWindowWait, pid);
  ASSERT_TRUE(print) << "Ctrl+P opened no Print dialog";
  station.PressKey(VK_F5);
  Sleep(1000);
  EXPECT_TRUE(station.Text("lblMeasure").empty()) << "F5 started a run behind the Print dialog";
  PostMessageW(print, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(Eventually([&] { return !IsWindow(print); }));
  ASSERT_TRUE(Eventually([&] { return station.Enabled("cmdStart"); }));
  // F1 is checked in the dialogs' tests, where opening the help is recorded.
}
