// Operator stories of the run archive on the real ORVA.exe, library and
// simulator: every run kept as the results file Save writes, a run killed
// mid-run kept at the next start, runs waiting for a folder that is not
// there and arriving when it is, and the Run Archive window from the menu.
#include "station/main_controls.h"
#include "station/tests/e2e/station_process.h"
#include "tools/testsupport/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <commctrl.h>
#include <string>
#include <vector>

using e2e::Eventually;
using e2e::StationProcess;
using orva::testsupport::FilesIn;
using orva::testsupport::ReadWholeFile;

namespace {

constexpr DWORD kWait = 30000;

// A run of exactly `readings` readings; the device then reports an error and
// stops by itself, so each run's end is known and the next START starts the
// device afresh with the same readings.
std::string RunOf(int readings) {
  return "rate = 50\r\nscatter = 0\r\nerror_after = " + std::to_string(readings) + "\r\nstop_after_error = 1\r\n";
}

// Settings that keep every run in the program folder's `name` (made unless
// told otherwise), and every reading in the run log. Returns the folder.
std::string UseArchiveFolder(const StationProcess& station, const std::string& name, bool make = true) {
  const std::string folder = station.PathOf(name);
  if (make) CreateDirectoryA(folder.c_str(), nullptr);
  station.WriteFile("ORVA.ini", "[Limit]\r\nLimitMode=N\r\nLow=12\r\nHigh=13\r\n[Print]\r\nTitle=Belts A\r\n"
                                "[SaveType]\r\nNeglectHighLow=false\r\n[Archive]\r\nKeepEveryRun=1\r\nFolder=" +
                                    folder + "\r\n");
  return folder;
}

// The station's notice window (it takes no focus), and the text it shows.
std::wstring NoticeText(DWORD pid) {
  HWND notice = nullptr;
  while ((notice = FindWindowExW(nullptr, notice, L"OrvaNotice", nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(notice, &owner);
    if (owner != pid || !IsWindowVisible(notice)) continue;
    HWND label = FindWindowExW(notice, nullptr, L"STATIC", nullptr);
    wchar_t text[512] = {};
    if (label) GetWindowTextW(label, text, 512);
    return text;
  }
  return L"";
}

class ArchiveEndToEnd : public ::testing::Test {
protected:
  void SetUp() override { e2e::KillSimulators(); }
  void TearDown() override { e2e::KillSimulators(); }

  static void StartWithLink(StationProcess& station) { ASSERT_TRUE(station.StartWithLink(kWait)) << "no link"; }
  static void MeasureRun(StationProcess& station, size_t readings) {
    ASSERT_TRUE(station.MeasureRun(readings, kWait)) << station.RunLogLines().size() << " readings";
  }
  static void SaveAs(StationProcess& station, const std::string& name) {
    ASSERT_TRUE(station.SaveResultsAs(name, kWait));
    ASSERT_TRUE(Eventually([&] { return ReadWholeFile(station.PathOf(name)).find("No.,N,Hz") != std::string::npos; }, kWait));
    Sleep(300); // the file closed
  }
  static void SetTitle(const StationProcess& station, const wchar_t* title) {
    SendMessageW(station.Control("txtPrintTitle"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title));
  }
};

TEST_F(ArchiveEndToEnd, EveryRunIsKeptAsTheResultsFileSaveWrites) {
  StationProcess station(RunOf(4));
  const std::string archive = UseArchiveFolder(station, "Shared Runs");
  StartWithLink(station);

  MeasureRun(station, 4);
  SaveAs(station, "run1.csv");
  // The next START keeps the first run before it empties the run log.
  MeasureRun(station, 4);
  ASSERT_TRUE(Eventually([&] { return FilesIn(archive).size() == 1; }, kWait));
  SaveAs(station, "run2.csv");
  // A title typed after the run is not the run's: its START had "Belts A".
  SetTitle(station, L"Typed after the run");
  station.Close();
  ASSERT_TRUE(station.WaitForExit(kWait));

  // The exit kept the second run; delivery may finish at the next start.
  const std::vector<std::string> spooled = FilesIn(station.PathOf("Spool"));
  std::vector<std::string> names = FilesIn(archive);
  ASSERT_EQ(names.size() + spooled.size(), 2u);
  const std::string second = names.size() == 2 ? archive + "\\" + names[1] : station.PathOf("Spool\\" + spooled[0]);
  EXPECT_EQ(ReadWholeFile(archive + "\\" + names[0]), ReadWholeFile(station.PathOf("run1.csv")));
  EXPECT_EQ(ReadWholeFile(second), ReadWholeFile(station.PathOf("run2.csv")));
  EXPECT_EQ(ReadWholeFile(second).substr(0, 9), "Belts A\r\n");
}

TEST_F(ArchiveEndToEnd, ARunKilledMidRunIsKeptAtTheNextStartBeforeStartEmptiesIt) {
  StationProcess station(RunOf(5));
  const std::string archive = UseArchiveFolder(station, "Runs");
  StartWithLink(station);
  MeasureRun(station, 5);
  const std::vector<std::string> killedRun = station.RunLogLines();
  station.Kill();
  e2e::KillSimulators();
  EXPECT_TRUE(FilesIn(archive).empty()) << "nothing was kept before the kill";

  StartWithLink(station);
  ASSERT_TRUE(Eventually([&] { return FilesIn(archive).size() == 1; }, kWait)) << "kept at start-up";
  const std::vector<std::string> kept = e2e::SplitLines(ReadWholeFile(archive + "\\" + FilesIn(archive)[0]));
  ASSERT_EQ(kept.size(), 7 + killedRun.size());
  EXPECT_TRUE(std::equal(killedRun.begin(), killedRun.end(), kept.begin() + 7));
  MeasureRun(station, 5); // START empties the run log for a run of its own
  EXPECT_EQ(FilesIn(archive).size(), 1u) << "the killed run is kept once";
}

TEST_F(ArchiveEndToEnd, RunsWaitForAMissingFolderTheOperatorIsToldOnceAndTheyArriveWhenItIsThere) {
  StationProcess station(RunOf(3));
  const std::string archive = UseArchiveFolder(station, "Later Runs", false);
  StartWithLink(station);
  MeasureRun(station, 3);
  MeasureRun(station, 3); // the first run goes to the spool and waits
  ASSERT_TRUE(Eventually([&] { return !NoticeText(station.ProcessId()).empty(); }, kWait)) << "no notice";
  EXPECT_EQ(NoticeText(station.ProcessId()), L"The archive folder cannot be reached. Runs waiting in the spool: 1");
  EXPECT_FALSE(e2e::WaitForMessageBox(station.ProcessId(), 200).window) << "no modal box in the middle of a run";
  MeasureRun(station, 3); // a second run waits too; nothing new is told
  ASSERT_TRUE(Eventually([&] { return FilesIn(station.PathOf("Spool")).size() == 2; }, kWait));
  EXPECT_EQ(NoticeText(station.ProcessId()), L"The archive folder cannot be reached. Runs waiting in the spool: 1");

  CreateDirectoryA(archive.c_str(), nullptr);
  MeasureRun(station, 3); // the next run's keeping takes the backlog along
  ASSERT_TRUE(Eventually([&] { return FilesIn(archive).size() == 3; }, kWait));
  EXPECT_TRUE(FilesIn(station.PathOf("Spool")).empty());
  EXPECT_TRUE(Eventually([&] {
    return NoticeText(station.ProcessId()) == L"Every waiting run is now in the archive folder.";
  }, kWait));
}

TEST_F(ArchiveEndToEnd, TheRunArchiveWindowListsTheRunsAndSurvivesADamagedFile) {
  StationProcess station(RunOf(3));
  const std::string archive = UseArchiveFolder(station, "Runs");
  station.WriteFile("Runs\\2026-12-09 17-15-02 OTHER-PC.csv", "\x01\x02 damaged\r\n");
  station.WriteFile("Runs\\notes.txt", "not a run");
  StartWithLink(station);
  MeasureRun(station, 3);
  MeasureRun(station, 3);
  MeasureRun(station, 3); // two runs kept, the third still measuring
  ASSERT_TRUE(Eventually([&] { return FilesIn(archive).size() == 4; }, kWait))
      << testing::PrintToString(FilesIn(archive)) << testing::PrintToString(FilesIn(station.PathOf("Spool")))
      << ReadWholeFile(station.PathOf("ORVArun.ini")) << "|" << ReadWholeFile(station.PathOf("temp.txt"));

  PostMessageW(station.MainWindow(), WM_COMMAND, orva::MenuCommandId(orva::MainMenu::RunArchive), 0);
  const HWND window = orva::testsupport::WaitForTopLevelWindow(L"Run Archive", kWait, station.ProcessId());
  ASSERT_TRUE(window);
  const HWND list = FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr);
  ASSERT_TRUE(list);
  EXPECT_TRUE(Eventually([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2 + 1; }, kWait))
      << "the two runs and the damaged file; the note is no run";
  EXPECT_TRUE(IsWindow(station.MainWindow())) << "the station is still there";
}

} // namespace
