// The Run Archive window on a real folder: every run listed newest first at
// once, the files read in, damaged and foreign files shown for what they
// are, a spooled run marked, and the statistics of a run opened beside it.
#include "station/archive/win/run_archive_window.h"

#include "station/archive/win/archive_files.h"
#include "station/output/win/results_save.h"
#include "station/stats/win/statistics_window.h"
#include "tools/testsupport/test_files.h"
#include "winkit/control_helpers.h"
#include "winkit/text.h"
#include "winkit/wait.h"

#include <gtest/gtest.h>

#include <functional>

namespace orva {
namespace {

// Handles the window's messages until `done` holds or ten seconds pass.
bool PumpUntil(const std::function<bool()>& done) {
  const double until = winkit::MonotonicSeconds() + 10;
  winkit::MessagePump pump;
  while (!done() && winkit::MonotonicSeconds() < until) {
    pump.HandlePending();
    Sleep(5);
  }
  return done();
}

class RunArchiveWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    root_ = testsupport::FreshTempFolder("orva archive window");
    archive_ = JoinPath(root_, "ORVA Runs");
    spool_ = JoinPath(root_, "Spool");
    CreateDirectoryA(archive_.c_str(), nullptr);
    CreateDirectoryA(spool_.c_str(), nullptr);
  }
  void TearDown() override {
    window_.Close();
    testsupport::RemoveTree(root_);
  }
  void Put(const std::string& folder, const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(WriteFileWhole(folder, name, bytes));
  }

  std::string root_, archive_, spool_, defaultFolder_ = "C:\\nowhere\\ORVA Runs";
  RunArchiveWindow window_;
};

TEST_F(RunArchiveWindowTest, ListsEveryRunAndSurvivesDamagedFiles) {
  const std::string header = ResultsFileBytes({"japanese", "Courroie é", "13.00", "12.00", 0}, "");
  Put(archive_, "2026-12-09 17-15-02 LINE3-PC.csv", header + " 1,12.50,85.00,GOOD\r\n 2,13.50,88.00,HIGH\r\n");
  Put(archive_, "2026-12-09 18-00-00 LINE4-PC.csv", "");                         // empty
  Put(archive_, "2026-12-09 19-00-00 LINE4-PC.csv", "\x01\x02 not a run\r\n");    // damaged
  Put(archive_, "2026-12-09 20-00-00 LINE4-PC.csv", header + " 1,12.50,85.0");  // truncated
  Put(archive_, "readme.txt", "other file");
  Put(spool_, "2026-12-10 08-00-00 LINE3-PC.csv", header + " 1,12.50,85.00,GOOD\r\n");

  ASSERT_TRUE(window_.Open(nullptr, "english", ArchiveSettings{true, archive_}, defaultFolder_, spool_));
  ASSERT_TRUE(PumpUntil([&] { return window_.Listed() && window_.SummariesRead() == window_.RowCount(); }));
  ASSERT_EQ(window_.RowCount(), 5u);
  using C = ArchiveColumn;
  EXPECT_EQ(window_.CellText(0, C::Started), "2026-12-10 08:00:00");
  EXPECT_EQ(window_.CellText(0, C::State), "not yet archived (in the spool)");
  EXPECT_EQ(window_.CellText(1, C::Readings), "0") << "a truncated last line is no reading";
  EXPECT_EQ(window_.CellText(2, C::State), "not a results file");
  EXPECT_EQ(window_.CellText(3, C::State), "empty file");
  EXPECT_EQ(window_.CellText(4, C::PrintTitle), "Courroie é") << "read from the ANSI file";
  EXPECT_EQ(window_.CellText(4, C::Readings), "2");
  EXPECT_EQ(window_.CellText(4, C::GoodRate), "50.0 %");
}

TEST_F(RunArchiveWindowTest, ShowsTheStatisticsOfARunAndSaysWhenItsLimitsCannotBeRead) {
  Put(archive_, "2026-12-09 17-15-02 PC.csv",
      ResultsFileBytes({"english", "T", "13.00", "12.00", 0}, " 1,12.50,85.00,GOOD\r\n 2,12.70,86.00,GOOD\r\n"));
  Put(archive_, "2026-12-09 16-00-00 PC.csv", "T\r\n\r\n\r\nsomething else\r\n\r\n\r\nNo.,N,Hz\r\n 1,1,1,GOOD\r\n");
  ASSERT_TRUE(window_.Open(nullptr, "english", ArchiveSettings{true, archive_}, defaultFolder_, spool_));
  ASSERT_TRUE(PumpUntil([&] { return window_.Listed(); }));

  window_.ShowStatisticsOf(0);
  ASSERT_TRUE(PumpUntil([&] { return window_.Statistics() && window_.Statistics()->Handle(); }));
  EXPECT_EQ(winkit::Utf8Text(window_.Statistics()->Handle()),
            "Run Statistics - 2026-12-09 17-15-02 PC.csv");
  const HWND first = window_.Statistics()->Handle();

  window_.ShowStatisticsOf(1);
  ASSERT_TRUE(PumpUntil([&] { return window_.Statistics() && window_.Statistics()->Handle() && window_.Statistics()->Handle() != first; }));
  EXPECT_EQ(winkit::Utf8Text(window_.Statistics()->Handle()),
            "Run Statistics - 2026-12-09 16-00-00 PC.csv - The limits line cannot be read: no capability against "
            "the allowance.");
  EXPECT_FALSE(IsWindow(first)) << "one run's statistics at a time";
}

TEST_F(RunArchiveWindowTest, TheFolderAndTheSwitchChangeTheSettings) {
  Put(archive_, "2026-12-09 17-15-02 PC.csv", "");
  const std::string other = JoinPath(root_, "Other Runs");
  CreateDirectoryA(other.c_str(), nullptr);
  std::vector<ArchiveSettings> told;
  window_.OnSettingsChanged([&told](const ArchiveSettings& s) { told.push_back(s); });
  ASSERT_TRUE(window_.Open(nullptr, "english", ArchiveSettings{true, archive_}, defaultFolder_, spool_));
  ASSERT_TRUE(PumpUntil([&] { return window_.Listed(); }));
  EXPECT_EQ(window_.RowCount(), 1u);

  window_.ChooseFolder(other + "\\");
  ASSERT_TRUE(PumpUntil([&] { return window_.Listed(); }));
  EXPECT_EQ(window_.RowCount(), 0u) << "the list follows the folder";
  window_.ChooseFolder(defaultFolder_);
  window_.ChooseFolder(defaultFolder_); // no change, nothing told
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0], (ArchiveSettings{true, other}));
  EXPECT_EQ(told[1], (ArchiveSettings{true, ""})) << "the default is kept as no folder";
}

} // namespace
} // namespace orva
