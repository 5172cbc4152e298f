// The run archive on real files and a real thread: a file is written whole
// or not at all and never over another, a kept run is what Save writes, and
// the courier tells a window once when runs wait and once when they arrive.
#include "station/archive/win/archive_courier.h"
#include "station/archive/win/archive_files.h"

#include "station/output/win/output_files.h"
#include "station/output/win/results_save.h"
#include "tools/testsupport/test_files.h"
#include "winkit/files.h"

#include <gtest/gtest.h>

#include <thread>

namespace orva {
namespace {

class ArchiveFilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    root_ = testsupport::FreshTempFolder("orva archive test");
    program_ = JoinPath(root_, "EXE");
    spool_ = JoinPath(program_, "Spool");
    archive_ = JoinPath(root_, "Shared Runs");
    CreateDirectoryA(program_.c_str(), nullptr);
  }
  void TearDown() override { testsupport::RemoveTree(root_); }

  std::string root_, program_, spool_, archive_;
};

TEST_F(ArchiveFilesTest, AFileIsWrittenWholeAndNeverOverAnother) {
  ASSERT_TRUE(WriteFileWhole(program_, "a.csv", "first"));
  EXPECT_FALSE(WriteFileWhole(program_, "a.csv", "second"));
  EXPECT_EQ(ReadWholeFile(JoinPath(program_, "a.csv")), "first");
  EXPECT_EQ(FileNamesIn(program_), std::vector<std::string>{"a.csv"}) << "no temporary left behind";
  EXPECT_FALSE(WriteFileWhole(JoinPath(root_, "missing"), "a.csv", "x"));
  EXPECT_TRUE(FileNamesIn(JoinPath(root_, "missing")).empty());
}

TEST_F(ArchiveFilesTest, AKeptRunIsWhatSaveWritesAndArrivesWhenTheFolderIsThere) {
  const std::string runLog = " 1,12.50,85.00,GOOD\r\n 2,13.20,88.10,HIGH\r\n";
  ASSERT_TRUE(WriteWholeFile(JoinPath(program_, "temp.txt"), runLog));
  bool broughtUpToDate = false;
  KeeperFiles keeper(JoinPath(program_, "ORVArun.ini"), JoinPath(program_, "temp.txt"), spool_,
                     [&broughtUpToDate] { return broughtUpToDate = true; });
  const RunRecord run{{2026, 12, 9, 17, 15, 2}, "LINE3-PC", "japanese", "ベルト Ａ", {"13.00", "12.00", 0}, false};
  ASSERT_TRUE(RunKeeper(keeper).BeginRun(run));
  // The next start of the program keeps the run it left from the run log.
  ASSERT_EQ(RunKeeper(keeper).KeepEndingRun(run), Kept::Spooled);
  EXPECT_TRUE(broughtUpToDate) << "the lines the run log still owes go with the run";
  const std::string name = "2026-12-09 17-15-02 LINE3-PC.csv";
  const std::string saved = ResultsFileBytes({"japanese", "ベルト Ａ", "13.00", "12.00", 0}, runLog);
  EXPECT_EQ(ReadWholeFile(JoinPath(spool_, name)), saved);

  // No folder yet: the run waits in the spool.
  DeliveryFiles delivery(spool_, archive_);
  DeliveryPass pass = DeliverSpooled(delivery);
  EXPECT_FALSE(pass.folderReached);
  EXPECT_EQ(pass.waiting, 1);
  CreateDirectoryA(archive_.c_str(), nullptr);
  pass = DeliverSpooled(delivery);
  EXPECT_EQ(pass.delivered, 1);
  EXPECT_EQ(ReadWholeFile(JoinPath(archive_, name)), saved);
  EXPECT_TRUE(FileNamesIn(spool_).empty());
  EXPECT_EQ(FileNamesIn(archive_), std::vector<std::string>{name});
}

TEST_F(ArchiveFilesTest, TwoStationsDeliveringIntoOneFolderAtOnceKeepBoth) {
  // Two program folders on one computer (so one computer name), each with a
  // run started in the same second, delivered at the same moment.
  const std::string spoolA = JoinPath(root_, "A"), spoolB = JoinPath(root_, "B");
  CreateDirectoryA(spoolA.c_str(), nullptr);
  CreateDirectoryA(spoolB.c_str(), nullptr);
  CreateDirectoryA(archive_.c_str(), nullptr);
  const std::string name = "2026-12-09 17-15-02 PC.csv";
  ASSERT_TRUE(WriteFileWhole(spoolA, name, std::string(200000, 'a')));
  ASSERT_TRUE(WriteFileWhole(spoolB, name, std::string(200000, 'b')));
  DeliveryPass passA, passB;
  std::thread a([&] {
    DeliveryFiles files(spoolA, archive_);
    passA = DeliverSpooled(files);
  });
  std::thread b([&] {
    DeliveryFiles files(spoolB, archive_);
    passB = DeliverSpooled(files);
  });
  a.join();
  b.join();
  EXPECT_EQ(passA.delivered + passB.delivered, 2);
  const std::vector<std::string> names = FileNamesIn(archive_);
  ASSERT_EQ(names.size(), 2u);
  const std::string first = *ReadWholeFile(JoinPath(archive_, names[0]));
  const std::string second = *ReadWholeFile(JoinPath(archive_, names[1]));
  EXPECT_NE(first[0], second[0]) << "each station's run, neither over the other";
  EXPECT_EQ(first.size(), 200000u);
  EXPECT_EQ(second.size(), 200000u);
}

TEST_F(ArchiveFilesTest, TheCourierTellsTheWindowOncePerOutage) {
  const UINT kNotice = WM_APP + 7;
  HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(window);
  CreateDirectoryA(spool_.c_str(), nullptr);
  ASSERT_TRUE(WriteFileWhole(spool_, "2026-12-09 17-15-02 PC.csv", "run"));
  // Waits for the courier's next notice, with the window's messages going on.
  const auto nextNotice = [&](LPARAM& waiting) {
    const DWORD until = GetTickCount() + 10000;
    MSG msg;
    while (GetTickCount() < until) {
      while (PeekMessageA(&msg, window, kNotice, kNotice, PM_REMOVE)) {
        waiting = msg.lParam;
        return static_cast<ArchiveNotice>(msg.wParam);
      }
      Sleep(10);
    }
    return ArchiveNotice::None;
  };
  {
    ArchiveCourier courier(window, kNotice);
    courier.SetFolders(spool_, archive_);
    courier.DeliverNow();
    LPARAM waiting = 0;
    EXPECT_EQ(nextNotice(waiting), ArchiveNotice::RunsWaiting);
    EXPECT_EQ(waiting, 1);
    courier.DeliverNow(); // still down: nothing more to tell
    Sleep(300);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, window, kNotice, kNotice, PM_REMOVE));
    CreateDirectoryA(archive_.c_str(), nullptr);
    courier.DeliverNow();
    EXPECT_EQ(nextNotice(waiting), ArchiveNotice::BacklogDelivered);
    EXPECT_EQ(waiting, 0);
  }
  EXPECT_TRUE(winkit::FileExists(JoinPath(archive_, "2026-12-09 17-15-02 PC.csv")));
  DestroyWindow(window);
}

} // namespace
} // namespace orva
