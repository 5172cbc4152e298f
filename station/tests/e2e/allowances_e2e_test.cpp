// Operator stories of the named allowances on the real ORVA.exe, library and
// simulator: an allowance chosen in Tool > Allowances... judges the next
// run and goes into the results file's limits line; it is back after a
// restart until a limit is changed by hand; not chosen during a run; a CSV
// file with good and bad lines imported, the bad ones reported by line.
#include "station/allowances/allowances_layout.h"
#include "station/allowances/win/allowances_dialog.h"
#include "station/main_controls.h"
#include "station/tests/e2e/station_process.h"
#include "tools/testsupport/remote_window.h"
#include "tools/testsupport/test_files.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <string>
#include <vector>

using e2e::Eventually;
using e2e::StationProcess;
using orva::AllowancesCtl;
using orva::testsupport::ReadWholeFile;

namespace {

constexpr DWORD kWait = 30000;

// Runs of exactly `readings` readings of 12.50 N / 85.00 Hz each; the device
// then reports an error and stops by itself, so the next START starts it afresh.
std::string RunOf(int readings) {
  return "rate = 50\r\nscatter = 0\r\noutlier_every = 0\r\nerror_after = " + std::to_string(readings) +
         "\r\nstop_after_error = 1\r\n";
}

// 12.50 N and 85.00 Hz are GOOD for the drive belt, HIGH for the timing belt.
constexpr char kList[] = "\xEF\xBB\xBFname,unit,high,low,title\r\n"
                         "Drive belt,N,13.00,12.00,Drive belts\r\n"
                         "Timing belt,Hz,84,80,Timing belts\r\n";

class AllowancesEndToEnd : public ::testing::Test {
protected:
  void SetUp() override { e2e::KillSimulators(); }
  void TearDown() override { e2e::KillSimulators(); }

  static void Prepare(const StationProcess& station) {
    station.WriteFile("ORVA.ini", "[Limit]\r\nLimitMode=N\r\nLow=10\r\nHigh=20\r\n[Print]\r\nTitle=Typed\r\n"
                                  "[SaveType]\r\nNeglectHighLow=false\r\n[Archive]\r\nKeepEveryRun=0\r\n");
    station.WriteFile("Allowances.csv", kList);
  }
  static void StartWithLink(StationProcess& station) { ASSERT_TRUE(station.StartWithLink(kWait)) << "no link"; }
  static void MeasureRun(StationProcess& station, size_t readings) {
    ASSERT_TRUE(station.MeasureRun(readings, kWait)) << station.RunLogLines().size() << " readings";
  }
  // Tool > Allowances...: the dialog, once it is there.
  static HWND OpenAllowances(const StationProcess& station) {
    PostMessageW(station.MainWindow(), WM_COMMAND, orva::MenuCommandId(orva::MainMenu::Allowances), 0);
    return orva::testsupport::WaitForTopLevelWindow(L"Allowances", kWait, station.ProcessId());
  }
  static HWND Item(HWND dialog, AllowancesCtl c) {
    return GetDlgItem(dialog, orva::kAllowancesFirstControlId + static_cast<int>(c));
  }
  // The selection moved as the operator does it, by the arrow keys.
  static void MoveSelection(HWND dialog, int steps) {
    const HWND list = Item(dialog, AllowancesCtl::lstAllowances);
    for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) {
      SendMessageW(list, WM_KEYDOWN, steps < 0 ? VK_UP : VK_DOWN, 0);
      SendMessageW(list, WM_KEYUP, steps < 0 ? VK_UP : VK_DOWN, 0);
    }
  }
  static bool Gone(HWND window) {
    return Eventually([&] { return !IsWindow(window); }, kWait);
  }
  static std::wstring Cell(const StationProcess& station, int row) { return station.GridCell(row, 3); }
  // The results file's limits line, saved as the operator saves it.
  static std::string SavedLimitsLine(const StationProcess& station, const std::string& name) {
    EXPECT_TRUE(station.SaveResultsAs(name, kWait));
    EXPECT_TRUE(Eventually([&] { return ReadWholeFile(station.PathOf(name)).find("No.,N,Hz") != std::string::npos; },
                           kWait));
    const std::vector<std::string> lines = e2e::SplitLines(ReadWholeFile(station.PathOf(name)));
    for (const std::string& line : lines)
      if (line.find("Limit") != std::string::npos) return line;
    return "<no limits line>";
  }
};

TEST_F(AllowancesEndToEnd, AChosenAllowanceJudgesTheRunAndWritesItsLimitsAndIsBackAfterARestart) {
  StationProcess station(RunOf(3));
  Prepare(station);
  StartWithLink(station);
  EXPECT_EQ(station.Text("lblAllowanceName"), L"");

  HWND dialog = OpenAllowances(station);
  ASSERT_TRUE(dialog);
  MoveSelection(dialog, 1); // from the first entry to the timing belt
  PostMessageW(Item(dialog, AllowancesCtl::cmdUse), BM_CLICK, 0, 0);
  ASSERT_TRUE(Gone(dialog));
  ASSERT_TRUE(Eventually([&] { return station.Text("lblAllowanceName") == L"Allowance in use: Timing belt"; }, kWait));
  EXPECT_EQ(station.Text("txtLimitHigh"), L"84");
  EXPECT_EQ(station.Text("txtLimitLow"), L"80");
  EXPECT_EQ(station.Text("lblHigh"), L"Hz");
  EXPECT_EQ(station.Text("txtPrintTitle"), L"Timing belts");
  MeasureRun(station, 3);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(Cell(station, row), L"HIGH") << row;
  EXPECT_EQ(SavedLimitsLine(station, "timing.csv"), "High Limit 84Hz   Low  Limit 80Hz");

  dialog = OpenAllowances(station);
  ASSERT_TRUE(dialog);
  MoveSelection(dialog, -1); // the timing belt was selected, as the one in use
  PostMessageW(Item(dialog, AllowancesCtl::cmdUse), BM_CLICK, 0, 0);
  ASSERT_TRUE(Gone(dialog));
  ASSERT_TRUE(Eventually([&] { return station.Text("lblAllowanceName") == L"Allowance in use: Drive belt"; }, kWait));
  EXPECT_EQ(station.Text("lblHigh"), L"N");
  MeasureRun(station, 3);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(Cell(station, row), L"GOOD") << row;
  EXPECT_EQ(SavedLimitsLine(station, "drive.csv"), "High Limit 13.00N   Low  Limit 12.00N");

  station.Close();
  ASSERT_TRUE(station.WaitForExit(kWait));
  EXPECT_NE(station.ReadFile("ORVA.ini").find("[Allowances]\r\nActive=Drive%20belt\r\n"), std::string::npos)
      << station.ReadFile("ORVA.ini");
  e2e::KillSimulators();

  StartWithLink(station);
  EXPECT_EQ(station.Text("lblAllowanceName"), L"Allowance in use: Drive belt");
  EXPECT_EQ(station.Text("txtLimitHigh"), L"13.00");
  // A limit changed by hand: no named allowance is in use any more.
  SendMessageW(station.Control("txtLimitHigh"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"13.5"));
  ASSERT_TRUE(Eventually([&] { return station.Text("lblAllowanceName").empty(); }, kWait));
  station.Close();
  ASSERT_TRUE(station.WaitForExit(kWait));
  EXPECT_NE(station.ReadFile("ORVA.ini").find("[Allowances]\r\nActive=\r\n"), std::string::npos);
}

TEST_F(AllowancesEndToEnd, DuringARunTheListIsManagedButNoAllowanceChosen) {
  StationProcess station("rate = 5\r\nscatter = 0\r\n");
  Prepare(station);
  StartWithLink(station);
  station.Click("cmdStart");
  ASSERT_TRUE(Eventually([&] { return station.Text("lblMeasure") == L"Measure Mode"; }, kWait));
  const HWND dialog = OpenAllowances(station);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(IsWindowEnabled(Item(dialog, AllowancesCtl::cmdUse)));
  EXPECT_TRUE(IsWindowEnabled(Item(dialog, AllowancesCtl::cmdEdit)));
  SendMessageW(Item(dialog, AllowancesCtl::cmdUse), BM_CLICK, 0, 0); // refused, as the button is
  EXPECT_TRUE(IsWindow(dialog));
  PostMessageW(Item(dialog, AllowancesCtl::cmdClose), BM_CLICK, 0, 0);
  ASSERT_TRUE(Gone(dialog));
  EXPECT_EQ(station.Text("txtLimitHigh"), L"20");
  EXPECT_EQ(station.Text("lblAllowanceName"), L"");
}

TEST_F(AllowancesEndToEnd, AnImportKeepsTheGoodLinesAndReportsTheBadOnesByLine) {
  StationProcess station(RunOf(1));
  Prepare(station);
  station.WriteFile("plant.csv", "\xEF\xBB\xBFname,unit,high,low,title\r\n"
                                 "V-belt,N,30,25,V-belts\r\n"               // 2 new
                                 "Timing belt,Hz,95,86,\r\n"                // 3 replaces the listed one
                                 "Fan belt,kg,3,2,\r\n"                     // 4 no such unit
                                 "Flat belt,N,ten,5,\r\n"                   // 5 not a number
                                 "Poly belt,Hz,70,60,Poly\r\n"              // 6 new
                                 "\x83\x78\x83\x8B\x83\x67,N,3,2\r\n"       // 7 Shift-JIS
                                 "Short,N\r\n");                            // 8 fields missing
  StartWithLink(station);
  const HWND dialog = OpenAllowances(station);
  ASSERT_TRUE(dialog);
  PostMessageW(Item(dialog, AllowancesCtl::cmdImport), BM_CLICK, 0, 0);
  ASSERT_TRUE(station.AnswerFileDialog(station.PathOf("plant.csv"), kWait));
  const auto report = [&] { return orva::testsupport::RemoteWindowText(Item(dialog, AllowancesCtl::txtReport)); };
  ASSERT_TRUE(Eventually([&] { return !report().empty(); }, kWait));
  EXPECT_EQ(report(), L"Added: 2, replaced: 1\r\n"
                      L"Line 4: The unit is neither N nor Hz.\r\n"
                      L"Line 5: Input value is not numerical value.\r\n"
                      L"Line 7: Not UTF-8 text.\r\n"
                      L"Line 8: Fields are missing (name, unit, high, low).\r\n");
  EXPECT_EQ(SendMessageW(Item(dialog, AllowancesCtl::lstAllowances), LVM_GETITEMCOUNT, 0, 0), 4);
  // Stored at once, in the list's order.
  EXPECT_EQ(station.ReadFile("Allowances.csv"), "\xEF\xBB\xBFname,unit,high,low,title\r\n"
                                                "Drive belt,N,13.00,12.00,Drive belts\r\n"
                                                "Timing belt,Hz,95,86,\r\n"
                                                "V-belt,N,30,25,V-belts\r\n"
                                                "Poly belt,Hz,70,60,Poly\r\n");
  PostMessageW(Item(dialog, AllowancesCtl::cmdClose), BM_CLICK, 0, 0);
  ASSERT_TRUE(Gone(dialog));
}

} // namespace
