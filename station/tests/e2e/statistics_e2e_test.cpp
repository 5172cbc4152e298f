// Tool > Statistics in the real station, fed by the meter simulator: the
// window follows the run, counts on after STOP, starts afresh at START, puts
// its figures and chart on the clipboard, and goes with the main window.
#include "station/main_controls.h"
#include "station/stats/stats_layout.h"
#include "station/tests/e2e/station_process.h"
#include "winkit/process_window.h"
#include "winkit/text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using e2e::Eventually;
using e2e::StationProcess;

namespace {

constexpr DWORD kWait = 30000;

// Ten readings a second around 12.50 N, every seventh one 15 % off: against
// 12..13 N some are HIGH and some LOW.
const char kSteadyReadings[] = "rate = 10\r\n";
const char kIni[] = "[Limit]\r\nLimitMode=N\r\nLow=12\r\nHigh=13\r\n[SaveType]\r\nNeglectHighLow=false\r\n";

HWND WaitForStatisticsWindow(DWORD processId) {
  HWND found = nullptr;
  Eventually([&] {
    found = winkit::FindTopLevelWindowOfProcess(processId, [](HWND w) {
      wchar_t name[64] = {};
      GetClassNameW(w, name, 64);
      return std::wstring(name) == L"OrvaStatistics" && IsWindowVisible(w);
    });
    return found != nullptr;
  }, kWait);
  return found;
}

long Cell(HWND statistics, int row) {
  wchar_t text[64] = {};
  SendMessageTimeoutW(GetDlgItem(statistics, orva::StatsCellId(row, 1)), WM_GETTEXT, 64,
                      reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
  return std::wcstol(text, nullptr, 10);
}

// The figures as Copy put them on the clipboard: first cell of a row -> second.
std::map<std::string, std::string> CopiedFigures(bool& withPicture) {
  std::map<std::string, std::string> figures;
  withPicture = false;
  if (!OpenClipboard(nullptr)) return figures;
  withPicture = IsClipboardFormatAvailable(CF_DIB) != FALSE;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const std::string table = winkit::Utf8FromWide(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    for (const std::string& line : e2e::SplitLines(table)) {
      const size_t tab = line.find('\t');
      if (tab == std::string::npos) continue;
      const size_t end = line.find('\t', tab + 1);
      figures[line.substr(0, tab)] = line.substr(tab + 1, end == std::string::npos ? std::string::npos : end - tab - 1);
    }
  }
  CloseClipboard();
  return figures;
}

class StatisticsEndToEnd : public ::testing::Test {
protected:
  void SetUp() override { e2e::KillSimulators(); }
  void TearDown() override { e2e::KillSimulators(); }
};

TEST_F(StatisticsEndToEnd, TheWindowFollowsTheRunThroughStopAndStartAndCopiesItsFigures) {
  StationProcess station(kSteadyReadings);
  station.WriteFile("ORVA.ini", kIni);
  ASSERT_TRUE(station.Start().hProcess);
  ASSERT_TRUE(station.WaitForMainWindow(kWait));
  ASSERT_TRUE(Eventually([&] { return station.Text("lblExe") == L"Exe Run"; }, kWait));

  PostMessageW(station.MainWindow(), WM_COMMAND, orva::MenuCommandId(orva::MainMenu::Statistics), 0);
  const HWND statistics = WaitForStatisticsWindow(station.ProcessId());
  ASSERT_NE(statistics, nullptr) << "Tool > Statistics showed no window";
  EXPECT_EQ(GetWindow(statistics, GW_OWNER), station.MainWindow());
  EXPECT_EQ(Cell(statistics, orva::RowReadings), 0);

  station.Click("cmdStart");
  ASSERT_TRUE(Eventually([&] { return Cell(statistics, orva::RowReadings) >= 20; }, kWait))
      << "the window does not follow the readings";

  // STOP freezes the grid, not the count.
  station.Click("cmdEnd");
  ASSERT_TRUE(Eventually([&] { return station.Text("lblMeasure").empty(); }, kWait));
  const long atStop = Cell(statistics, orva::RowReadings);
  ASSERT_TRUE(Eventually([&] { return Cell(statistics, orva::RowReadings) >= atStop + 10; }, kWait))
      << "no counting after STOP";

  // Copy: the figures as a table, the chart as a picture; the counts add up.
  // The clipboard is emptied first: an earlier test's copy must not pass for this one.
  ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
  PostMessageW(statistics, WM_COMMAND, MAKEWPARAM(orva::kCopyButtonId, BN_CLICKED), 0);
  bool withPicture = false;
  std::map<std::string, std::string> figures;
  ASSERT_TRUE(Eventually([&] {
    figures = CopiedFigures(withPicture);
    return figures.count("Readings") == 1;
  }, kWait)) << "no figures on the clipboard";
  EXPECT_TRUE(withPicture);
  const long readings = std::stol(figures["Readings"]);
  const long good = std::stol(figures["GOOD"]), high = std::stol(figures["HIGH"]), low = std::stol(figures["LOW"]);
  EXPECT_GE(readings, atStop + 10);
  EXPECT_EQ(good + high + low + std::stol(figures["Not numeric"]), readings);
  EXPECT_GT(high + low, 0) << "every seventh reading is off by 15 %";
  EXPECT_GT(good, 0);

  // START: the run, and its statistics, start afresh.
  const long beforeStart = Cell(statistics, orva::RowReadings);
  station.Click("cmdStart");
  ASSERT_TRUE(Eventually([&] { return Cell(statistics, orva::RowReadings) < beforeStart; }, kWait))
      << "START did not clear the statistics";

  // The window goes with the main window.
  station.Close();
  ASSERT_TRUE(station.WaitForExit(kWait));
  EXPECT_FALSE(IsWindow(statistics));
}

} // namespace
