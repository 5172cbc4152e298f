// Keeping every run, against one in-memory station: its run record and run
// log, the spool beside them and an archive folder that can go away. The
// stories: a run kept at START, kept once at exit, recovered after a crash,
// waiting for a folder that is down and arriving when it is back, and never
// doubled, whatever is cut short.
#include "station/archive/archive_delivery.h"
#include "station/archive/run_keeper.h"

#include <gtest/gtest.h>

#include <map>

namespace orva {
namespace {

class Station : public KeeperStore, public DeliveryStore {
public:
  std::optional<std::string> record;
  std::optional<std::string> runLog;
  std::map<std::string, std::string> spool, archive;
  bool folderUp = true;
  bool folderFull = false;   // answers, refuses writes
  bool spoolFull = false;
  bool removalsFail = false; // the spool copy outlives its delivery (a crash)
  bool runLogLocked = false; // there, but held by another program

  std::optional<std::string> ReadRunRecord() override { return record; }
  bool WriteRunRecord(const std::string& text) override {
    record = text;
    return true;
  }
  std::optional<std::string> ReadRunLog() override { return runLog; }
  bool RunLogPresent() override { return runLog || runLogLocked; }
  std::string ResultsBytes(const RunRecord& r, const std::string& log) override {
    return r.printTitle + "|" + r.allowance.highText + "|" + log;
  }
  std::vector<std::string> SpooledNames() override {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : spool) names.push_back(name);
    return names;
  }
  bool WriteSpooled(const std::string& name, const std::string& bytes) override {
    if (spoolFull || spool.count(name)) return false;
    spool[name] = bytes;
    return true;
  }
  std::optional<std::string> ReadSpooled(const std::string& name) override {
    const auto it = spool.find(name);
    return it == spool.end() ? std::nullopt : std::optional(it->second);
  }
  bool RemoveSpooled(const std::string& name) override { return !removalsFail && spool.erase(name) == 1; }
  std::optional<std::string> ReadArchived(const std::string& name, bool& reached) override {
    reached = folderUp;
    const auto it = archive.find(name);
    return !folderUp || it == archive.end() ? std::nullopt : std::optional(it->second);
  }
  bool WriteArchived(const std::string& name, const std::string& bytes) override {
    if (!folderUp || folderFull || archive.count(name)) return false;
    archive[name] = bytes;
    return true;
  }
};

RunRecord RunAt(int second, const std::string& title) {
  return {{2026, 12, 9, 17, 15, second}, "LINE3-PC", "english", title, {"13.00", "12.00", 0}, false};
}
const RunRecord kFallback = RunAt(59, "fallback");

TEST(RunKeeping, ARunIsSpooledAtStartAndArchivedWithTheHeaderOfItsStart) {
  Station s;
  RunKeeper keeper(s);
  ASSERT_TRUE(keeper.BeginRun(RunAt(2, "belts A")));
  // The next START: the ending run is kept before the run log is emptied,
  // from the station's own lines (the file is held by another program just
  // then), with the title of its own START, not the fallback's.
  s.runLogLocked = true;
  EXPECT_EQ(keeper.KeepEndingRun(kFallback, " 1,12.50,85.00,GOOD\r\n"), Kept::Spooled);
  EXPECT_EQ(s.spool.at("2026-12-09 17-15-02 LINE3-PC.csv"), "belts A|13.00| 1,12.50,85.00,GOOD\r\n");
  const DeliveryPass pass = DeliverSpooled(s);
  EXPECT_EQ(pass.delivered, 1);
  EXPECT_EQ(pass.waiting, 0);
  EXPECT_TRUE(s.spool.empty());
  EXPECT_EQ(s.archive.at("2026-12-09 17-15-02 LINE3-PC.csv"), "belts A|13.00| 1,12.50,85.00,GOOD\r\n");
}

TEST(RunKeeping, ARunIsKeptOnce) {
  Station s;
  RunKeeper keeper(s);
  keeper.BeginRun(RunAt(2, "A"));
  EXPECT_EQ(keeper.KeepEndingRun(kFallback, " 1,1,1,GOOD\r\n"), Kept::Spooled); // at exit
  // The next start-up finds it archived, and so does the next START.
  s.runLog = " 1,1,1,GOOD\r\n";
  RunKeeper nextStart(s);
  EXPECT_EQ(nextStart.KeepEndingRun(kFallback), Kept::AlreadyArchived);
  EXPECT_EQ(nextStart.KeepEndingRun(kFallback), Kept::AlreadyArchived);
  EXPECT_EQ(s.spool.size(), 1u);
  // A run with no reading is not kept: no line or blank ones of its own, or
  // no run log left behind.
  for (const char* lines : {"", "\r\n \r\n"}) {
    Station empty;
    RunKeeper k(empty);
    k.BeginRun(RunAt(3, "B"));
    empty.runLog = " 1,1,1,GOOD\r\n"; // an earlier run's lines, not yet emptied
    EXPECT_EQ(k.KeepEndingRun(kFallback, lines), Kept::NoReading);
    EXPECT_TRUE(empty.spool.empty());
  }
  Station none;
  EXPECT_EQ(RunKeeper(none).KeepEndingRun(kFallback), Kept::NoReading);
}

TEST(RunKeeping, ARunLeftByACrashIsKeptAtTheNextStartUp) {
  Station s;
  RunKeeper(s).BeginRun(RunAt(2, "killed mid-run"));
  s.runLog = " 1,1,1,GOOD\r\n 2,1,1,HIGH\r\n"; // then the process is killed
  RunKeeper afterRestart(s);
  EXPECT_EQ(afterRestart.KeepEndingRun(kFallback), Kept::Spooled);
  EXPECT_EQ(s.spool.at("2026-12-09 17-15-02 LINE3-PC.csv"), "killed mid-run|13.00|" + *s.runLog);
  // A run log with no record (from before the archive, or the record lost)
  // is kept under the fallback's time and header.
  Station old;
  old.runLog = " 1,1,1,GOOD\r\n";
  old.record = "Started=2026-12-0"; // cut by the power failure
  EXPECT_EQ(RunKeeper(old).KeepEndingRun(kFallback), Kept::Spooled);
  EXPECT_EQ(old.spool.begin()->first, "2026-12-09 17-15-59 LINE3-PC.csv");
  EXPECT_EQ(old.spool.begin()->second.substr(0, 9), "fallback|");
  // A left run log that cannot be read is not taken for an empty one.
  Station held;
  RunKeeper(held).BeginRun(RunAt(2, "held"));
  held.runLogLocked = true;
  EXPECT_EQ(RunKeeper(held).KeepEndingRun(kFallback), Kept::NotKept);
}

TEST(RunKeeping, ASpoolThatCannotBeWrittenKeepsNothingAndSaysSo) {
  Station s;
  RunKeeper keeper(s);
  keeper.BeginRun(RunAt(2, "A"));
  s.spoolFull = true;
  EXPECT_EQ(keeper.KeepEndingRun(kFallback, " 1,1,1,GOOD\r\n"), Kept::NotKept);
  EXPECT_FALSE(ParseRunRecord(*s.record)->archived) << "the run is still to be kept";
  s.spoolFull = false;
  EXPECT_EQ(keeper.KeepEndingRun(kFallback, " 1,1,1,GOOD\r\n"), Kept::Spooled);
}

TEST(RunKeeping, TwoRunsInOneSecondGetTwoNames) {
  Station s;
  RunKeeper keeper(s);
  for (const char* title : {"first", "second", "third"}) {
    keeper.BeginRun(RunAt(2, title));
    ASSERT_EQ(keeper.KeepEndingRun(kFallback, std::string(" 1,1,1,GOOD ") + title + "\r\n"), Kept::Spooled);
  }
  EXPECT_EQ(s.spool.size(), 3u);
  EXPECT_EQ(keeper.LastSpooledName(), "2026-12-09 17-15-02 LINE3-PC (3).csv");
  // Delivered one by one (each spool name gone before the next run), the
  // archive folder's names still do not collide.
  Station t;
  RunKeeper k(t);
  for (const char* title : {"first", "second"}) {
    k.BeginRun(RunAt(2, title));
    k.KeepEndingRun(kFallback, std::string(" 1,1,1,GOOD ") + title + "\r\n");
    DeliverSpooled(t);
  }
  EXPECT_EQ(t.archive.size(), 2u);
  EXPECT_EQ(t.archive.count("2026-12-09 17-15-02 LINE3-PC (2).csv"), 1u);
  // Two runs of the very same readings in one second are still two runs.
  Station u;
  RunKeeper same(u);
  for (int run = 0; run < 2; ++run) {
    same.BeginRun(RunAt(2, "same"));
    same.KeepEndingRun(kFallback, " 1,1,1,GOOD\r\n");
    DeliverSpooled(u);
  }
  EXPECT_EQ(u.archive.size(), 2u);
}

TEST(RunKeeping, RunsWaitForAFolderThatIsDownAndArriveOnceWhenItIsBack) {
  Station s;
  RunKeeper keeper(s);
  OutageNotice notice;
  s.folderUp = false;
  for (int second : {1, 2, 3}) {
    keeper.BeginRun(RunAt(second, "run"));
    keeper.KeepEndingRun(kFallback, " 1,1,1,GOOD\r\n");
    const DeliveryPass pass = DeliverSpooled(s);
    EXPECT_FALSE(pass.folderReached);
    EXPECT_EQ(pass.waiting, second);
    // Told once for the outage, not at every run.
    EXPECT_EQ(notice.After(pass), second == 1 ? ArchiveNotice::RunsWaiting : ArchiveNotice::None);
  }
  // A folder that answers but refuses (read-only, full) is the same outage.
  s.folderUp = true;
  s.folderFull = true;
  EXPECT_EQ(notice.After(DeliverSpooled(s)), ArchiveNotice::None);
  EXPECT_EQ(s.spool.size(), 3u);
  // Back: all three arrive, oldest first, and the operator hears it once.
  s.folderFull = false;
  const DeliveryPass back = DeliverSpooled(s);
  EXPECT_EQ(back.delivered, 3);
  EXPECT_EQ(back.archivedNames.front(), "2026-12-09 17-15-01 LINE3-PC.csv");
  EXPECT_EQ(notice.After(back), ArchiveNotice::BacklogDelivered);
  EXPECT_EQ(notice.After(DeliverSpooled(s)), ArchiveNotice::None);
  EXPECT_EQ(s.archive.size(), 3u);
  EXPECT_TRUE(s.spool.empty());
}

TEST(RunKeeping, NothingIsDoubledWhenADeliveryIsCutShort) {
  Station s;
  RunKeeper keeper(s);
  keeper.BeginRun(RunAt(2, "A"));
  keeper.KeepEndingRun(kFallback, " 1,1,1,GOOD\r\n");
  // Copied into the archive, then the station died before the spool copy went.
  s.removalsFail = true;
  EXPECT_EQ(DeliverSpooled(s).waiting, 1);
  s.removalsFail = false;
  const DeliveryPass retried = DeliverSpooled(s);
  EXPECT_EQ(retried.delivered, 1);
  EXPECT_EQ(s.archive.size(), 1u) << "the same bytes under the same name are the same run";
  // Another run's file under the same name (bytes differ) is not replaced.
  s.spool["2026-12-09 17-15-02 LINE3-PC.csv"] = "another run";
  DeliverSpooled(s);
  EXPECT_EQ(s.archive.size(), 2u);
  EXPECT_EQ(s.archive.at("2026-12-09 17-15-02 LINE3-PC (2).csv"), "another run");
  EXPECT_EQ(s.archive.at("2026-12-09 17-15-02 LINE3-PC.csv"), "A|13.00| 1,1,1,GOOD\r\n");
  // Files in the spool that are no run (a temporary left by a crash) stay.
  s.spool["2026-12-09 17-15-05 LINE3-PC.csv.tmp"] = "half";
  EXPECT_EQ(DeliverSpooled(s).delivered, 0);
  EXPECT_EQ(s.spool.size(), 1u);
}

} // namespace
} // namespace orva
