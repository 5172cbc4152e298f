// Operator stories of a run log that another program holds for a while (a
// virus scanner or a backup tool opening "temp.txt" with no sharing): the
// real ORVA.exe, library and simulator; this test process is the other
// program.
#include "station/tests/e2e/station_process.h"
#include "tools/testsupport/test_files.h"

#include <gtest/gtest.h>

#include <string>

using e2e::Eventually;
using e2e::StationProcess;

namespace {

constexpr DWORD kWait = 30000;

const char kKeepAllIni[] =
    "[Limit]\r\nLimitMode=N\r\nLow=12\r\nHigh=13\r\n[Print]\r\nTitle=Line 3\r\n"
    "[SaveType]\r\nNeglectHighLow=false\r\n";

// A run of exactly `readings` readings at 50 a second; the device then
// reports an error and stops by itself, so the run log's end is known.
std::string RunOf(int readings) {
  return "rate = 50\r\nscatter = 0\r\noutlier_every = 0\r\nerror_after = " + std::to_string(readings) +
         "\r\nstop_after_error = 1\r\n";
}

const wchar_t kKeptNotice[] =
    L"The run log (temp.txt) cannot be written just now. Readings are kept and written to it as soon as it "
    L"can be written again.";
const wchar_t kLacksNotice[] =
    L"This results file lacks readings: the run log (temp.txt) cannot be read or written just now. Save "
    L"again once it is free.";

// The other program's hold on the run log: no sharing at all, taken within
// 5 s (the station has the file open for a moment at each reading).
class RunLogLock : public orva::testsupport::RunLogBlocker {
public:
  explicit RunLogLock(const std::string& path) : RunLogBlocker(Locked, path, 5000) {}
  bool Held() const { return Blocking(); }
};

// Reading numbers 1..n, each once, in order: the run log lost nothing.
std::string GapsIn(const std::vector<std::string>& log, size_t n) {
  if (log.size() != n) return "the run log has " + std::to_string(log.size()) + " lines";
  for (size_t i = 0; i < n; ++i) {
    std::string number(1, ' ');
    number.append(std::to_string(i + 1)).push_back(',');
    if (log[i].compare(0, number.size(), number) != 0) return "line " + std::to_string(i + 1);
  }
  return "";
}

class RunLogHeldEndToEnd : public ::testing::Test {
protected:
  void SetUp() override { e2e::KillSimulators(); }
  void TearDown() override { e2e::KillSimulators(); }

  static void StartWithLink(StationProcess& station) {
    station.WriteFile("ORVA.ini", kKeepAllIni);
    ASSERT_TRUE(station.Start().hProcess);
    ASSERT_TRUE(station.WaitForMainWindow(kWait)) << "no main window";
    ASSERT_TRUE(Eventually([&] { return station.Text("lblExe") == L"Exe Run"; }, kWait))
        << "the link did not come up";
  }

  // Waits for the box with this text, then presses its OK.
  static void ConfirmBox(const StationProcess& station, const wchar_t* text) {
    e2e::MessageBoxSeen box;
    ASSERT_TRUE(Eventually([&] {
      box = e2e::WaitForMessageBox(station.ProcessId(), 200);
      return box.window && box.text == text;
    }, kWait)) << "last box seen: " << testing::PrintToString(box.text);
    ASSERT_TRUE(e2e::PressMessageBoxButton(box.window, L"OK"));
    ASSERT_TRUE(Eventually([&] { return !IsWindow(box.window); }, kWait));
  }

  static bool DeviceStopped(const StationProcess& station) { return station.Visible("txtError"); }

  // Ends the hold while readings still arrive; the run then ends by itself
  // and its log must hold readings 1..n.
  static void ReleaseAndExpectEveryReading(const StationProcess& station, RunLogLock& lock, int n) {
    ASSERT_FALSE(DeviceStopped(station)) << "the lock must end while readings still arrive";
    lock.Release();
    ASSERT_TRUE(Eventually([&] { return DeviceStopped(station); }, kWait));
    ASSERT_TRUE(station.WaitForRunLogLines(n, kWait));
    EXPECT_EQ(GapsIn(station.RunLogLines(), n), "");
  }
};

TEST_F(RunLogHeldEndToEnd, LockedMidRunTheRunLogGetsEveryReadingAfterwards) {
  constexpr int kReadings = 150;
  StationProcess station(RunOf(kReadings));
  ASSERT_NO_FATAL_FAILURE(StartWithLink(station));
  station.Click("cmdStart");
  ASSERT_TRUE(station.WaitForRunLogLines(10, kWait));

  RunLogLock lock(station.PathOf("temp.txt"));
  ASSERT_TRUE(lock.Held());
  ASSERT_NO_FATAL_FAILURE(ConfirmBox(station, kKeptNotice));
  Sleep(1500);
  ASSERT_NO_FATAL_FAILURE(ReleaseAndExpectEveryReading(station, lock, kReadings));
  EXPECT_EQ(station.GridCell(kReadings - 1, 0), L"No.  " + std::to_wstring(kReadings));
}

TEST_F(RunLogHeldEndToEnd, LockedAcrossStartTheNewRunAloneReachesTheRunLog) {
  constexpr int kReadings = 100;
  StationProcess station(RunOf(kReadings));
  station.WriteFile("temp.txt", " 1,99.99,99.99,HIGH\r\n 2,99.99,99.99,HIGH\r\n"); // an earlier run
  ASSERT_NO_FATAL_FAILURE(StartWithLink(station));

  RunLogLock lock(station.PathOf("temp.txt"));
  ASSERT_TRUE(lock.Held());
  station.Click("cmdStart");
  ASSERT_NO_FATAL_FAILURE(ConfirmBox(station, kKeptNotice));
  ASSERT_TRUE(Eventually([&] { return station.GridCell(9, 0) == L"No.  10"; }, kWait));
  ASSERT_NO_FATAL_FAILURE(ReleaseAndExpectEveryReading(station, lock, kReadings));
  EXPECT_EQ(station.ReadFile("temp.txt").find("99.99"), std::string::npos) << "two runs mixed";
}

// Saved while the lock holds: the operator is told that the file lacks
// readings. Saved once it is gone: the results file has the whole run.
TEST_F(RunLogHeldEndToEnd, SavedWhileLockedIsToldAndSavedAfterIsComplete) {
  constexpr int kReadings = 40;
  StationProcess station(RunOf(kReadings));
  ASSERT_NO_FATAL_FAILURE(StartWithLink(station));
  station.Click("cmdStart");
  ASSERT_TRUE(station.WaitForRunLogLines(5, kWait));

  RunLogLock lock(station.PathOf("temp.txt"));
  ASSERT_TRUE(lock.Held());
  ASSERT_NO_FATAL_FAILURE(ConfirmBox(station, kKeptNotice));
  ASSERT_TRUE(Eventually([&] { return DeviceStopped(station); }, kWait)); // the run is over, held

  ASSERT_TRUE(station.SaveResultsAs("while-locked.csv", kWait));
  ASSERT_NO_FATAL_FAILURE(ConfirmBox(station, kLacksNotice));
  const auto partial = e2e::SplitLines(station.ReadFile("while-locked.csv"));
  EXPECT_LT(partial.size(), 7u + kReadings);

  lock.Release();
  ASSERT_TRUE(station.SaveResultsAs("after.csv", kWait));
  ASSERT_TRUE(Eventually([&] { return e2e::SplitLines(station.ReadFile("after.csv")).size() == 7u + kReadings; },
                         kWait));
  const auto results = e2e::SplitLines(station.ReadFile("after.csv"));
  EXPECT_EQ(results[0], "Line 3");
  EXPECT_EQ(GapsIn({results.begin() + 7, results.end()}, kReadings), "");
  EXPECT_EQ(GapsIn(station.RunLogLines(), kReadings), "") << "the save brought the run log up to date";
  Sleep(300);
  EXPECT_FALSE(e2e::WaitForMessageBox(station.ProcessId(), 0).window) << "a complete save says nothing";
}

} // namespace
