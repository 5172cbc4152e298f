// The run log's holding queue against a file that fails when told to.
#include "station/run_log_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orva {
namespace {

// A run log in memory that refuses while blocked, as a locked, read-only
// or full file does: a refused append leaves nothing behind.
class FakeFile : public RunLogFile {
public:
  bool blocked = false;
  std::string bytes;
  int empties = 0;
  int appends = 0;

  bool Empty() override {
    if (blocked) return false;
    ++empties;
    bytes.clear();
    return true;
  }
  bool Append(std::string_view lines) override {
    if (blocked) return false;
    ++appends;
    bytes.append(lines);
    return true;
  }
};

std::string Line(int n) { return " " + std::to_string(n) + ",12.50,85.00,GOOD\r\n"; }

std::string Lines(int from, int to) {
  std::string all;
  for (int n = from; n <= to; ++n) all += Line(n);
  return all;
}

// One step of a run: block or free the file, then START, a reading or a
// flush, and what the file and the queue hold afterwards.
enum class Step { Start, Keep, Flush };
struct Action {
  bool blocked;
  Step step;
  int reading; // for Keep
};

TEST(StationRunLogQueue, HeldLinesAreWrittenFirstInOrderAndOnce) {
  const struct {
    const char* story;
    std::string before; // the previous run's lines in the file
    std::vector<Action> actions;
    std::string after;
    bool upToDate;
  } cases[] = {
      {"never blocked", Lines(1, 2),
       {{false, Step::Start, 0}, {false, Step::Keep, 1}, {false, Step::Keep, 2}}, Lines(1, 2), true},
      {"blocked mid-run, free again at a reading", "",
       {{false, Step::Start, 0}, {false, Step::Keep, 1}, {true, Step::Keep, 2}, {true, Step::Keep, 3},
        {false, Step::Keep, 4}, {false, Step::Keep, 5}},
       Lines(1, 5), true},
      {"still blocked at the end", "",
       {{false, Step::Start, 0}, {false, Step::Keep, 1}, {true, Step::Keep, 2}, {true, Step::Flush, 0}},
       Lines(1, 1), false},
      {"free again at a flush", "",
       {{false, Step::Start, 0}, {true, Step::Keep, 1}, {true, Step::Keep, 2}, {false, Step::Flush, 0},
        {false, Step::Keep, 3}},
       Lines(1, 3), true},
      {"blocked across START: the old run stays until the file is emptied", Lines(1, 9),
       {{true, Step::Start, 0}, {true, Step::Keep, 1}, {true, Step::Flush, 0}}, Lines(1, 9), false},
      {"blocked across START, then free: the new run alone", Lines(1, 9),
       {{true, Step::Start, 0}, {true, Step::Keep, 1}, {true, Step::Keep, 2}, {false, Step::Keep, 3}},
       Lines(1, 3), true},
      {"blocked across START, free before any reading", Lines(1, 9),
       {{true, Step::Start, 0}, {false, Step::Flush, 0}}, "", true},
      {"a second START forgets what the first run held", "",
       {{false, Step::Start, 0}, {true, Step::Keep, 1}, {true, Step::Keep, 2}, {false, Step::Start, 0},
        {false, Step::Keep, 1}},
       Lines(1, 1), true},
  };
  for (const auto& c : cases) {
    FakeFile file;
    file.bytes = c.before;
    RunLogQueue queue;
    for (const Action& a : c.actions) {
      file.blocked = a.blocked;
      switch (a.step) {
      case Step::Start: queue.StartRun(file); break;
      case Step::Keep: queue.Keep(file, Line(a.reading)); break;
      case Step::Flush: queue.Flush(file); break;
      }
    }
    EXPECT_EQ(file.bytes, c.after) << c.story;
    EXPECT_EQ(queue.UpToDate(), c.upToDate) << c.story;
    EXPECT_EQ(queue.HeldLines() == 0, c.upToDate) << c.story;
  }
}

// Past the bound the held lines keep their place and later ones are lost
// (and counted, per run); once the file is free the run goes on.
TEST(StationRunLogQueue, PastTheBoundNewLinesAreDroppedNotTheHeldOnes) {
  FakeFile file;
  RunLogQueue queue(3);
  EXPECT_TRUE(queue.StartRun(file));
  file.blocked = true;
  const KeepResult expected[] = {KeepResult::Held, KeepResult::Held, KeepResult::Held,
                                 KeepResult::Dropped, KeepResult::Dropped, KeepResult::Dropped};
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(queue.Keep(file, Line(n)), expected[n - 1]) << n;
  EXPECT_EQ(queue.DroppedLines(), 3u);
  file.blocked = false;
  EXPECT_EQ(queue.Keep(file, Line(7)), KeepResult::Written);
  EXPECT_EQ(file.bytes, Lines(1, 3) + Line(7));
  EXPECT_EQ(queue.DroppedLines(), 3u);
  file.blocked = true;
  EXPECT_FALSE(queue.StartRun(file));
  EXPECT_EQ(queue.DroppedLines(), 0u);
}

TEST(StationRunLogQueue, TheStatedBoundHoldsAManyHourOutage) {
  FakeFile file;
  RunLogQueue queue;
  queue.StartRun(file);
  file.blocked = true;
  const int bound = static_cast<int>(RunLogQueue::kMaxHeldLines);
  for (int n = 1; n <= bound; ++n) ASSERT_EQ(queue.Keep(file, Line(n)), KeepResult::Held) << n;
  EXPECT_EQ(queue.Keep(file, Line(bound + 1)), KeepResult::Dropped);
  file.blocked = false;
  EXPECT_TRUE(queue.Flush(file));
  EXPECT_EQ(file.bytes, Lines(1, bound));
  // Caught up in appends of whole lines, not one open per line.
  EXPECT_LT(file.appends, bound / 100);
}

// Appends are made of whole lines; a line longer than one append goes alone.
TEST(StationRunLogQueue, AppendsCarryWholeLines) {
  struct Recorder : FakeFile {
    std::vector<std::string> calls;
    bool Append(std::string_view lines) override {
      calls.emplace_back(lines);
      return FakeFile::Append(lines);
    }
  } file;
  RunLogQueue queue;
  queue.StartRun(file);
  file.blocked = true;
  const std::string longLine = std::string(RunLogQueue::kAppendBytes + 10, 'x') + "\r\n";
  queue.Keep(file, Line(1));
  queue.Keep(file, longLine);
  for (int n = 3; n <= 5000; ++n) queue.Keep(file, Line(n));
  file.blocked = false;
  file.calls.clear();
  ASSERT_TRUE(queue.Flush(file));
  EXPECT_EQ(file.bytes, Line(1) + longLine + Lines(3, 5000));
  ASSERT_GE(file.calls.size(), 3u);
  EXPECT_EQ(file.calls[0], Line(1));
  EXPECT_EQ(file.calls[1], longLine);
  for (const std::string& call : file.calls) {
    EXPECT_EQ(call.substr(call.size() - 2), "\r\n");
    if (call != longLine) {
      EXPECT_LE(call.size(), RunLogQueue::kAppendBytes);
    }
  }
}

// A file that fails halfway through catching up loses nothing and repeats
// nothing: what was appended is off the queue, the rest is still held.
TEST(StationRunLogQueue, FailingAgainWhileCatchingUpRepeatsNothing) {
  struct FailsOnSecondAppend : FakeFile {
    int left = -1;
    bool Append(std::string_view lines) override {
      if (left == 0) return false;
      if (left > 0) --left;
      return FakeFile::Append(lines);
    }
  } file;
  RunLogQueue queue;
  queue.StartRun(file);
  file.blocked = true;
  for (int n = 1; n <= 8000; ++n) queue.Keep(file, Line(n)); // several appends' worth
  file.blocked = false;
  file.left = 1;
  EXPECT_FALSE(queue.Flush(file));
  EXPECT_GT(queue.HeldLines(), 0u);
  EXPECT_LT(queue.HeldLines(), 8000u);
  file.left = -1;
  EXPECT_EQ(queue.Keep(file, Line(8001)), KeepResult::Written);
  EXPECT_EQ(file.bytes, Lines(1, 8001));
}

} // namespace
} // namespace orva
