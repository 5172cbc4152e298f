// The run log's holding queue: kept lines that could not be appended to the
// run log (locked by another program, read-only, disk full) wait here, in
// reading order, and are written before anything newer, so the file ends up
// holding every kept line of the run once, whole, in order.
//
// Contract of the file side (RunLogFile):
//   Empty()        creates or truncates the file; false when it could not.
//   Append(bytes)  appends whole lines at the end, or nothing at all (a
//                  partly written tail is cut off again); false when nothing
//                  was appended.
//
// Rules:
//   - StartRun forgets what the previous run held and owes the file its
//     emptying: no line of the new run is written before the file has been
//     emptied, so two runs never mix.
//   - Keep first writes what is held (emptying first if owed), then the new
//     line; a line that cannot be written is held behind the others.
//   - At most kMaxHeldLines lines are held: about 28 hours at one reading a
//     second, half an hour at sixty. Past that a new line is not held but
//     dropped and counted (the window tells the operator); the lines already
//     held keep their place.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace orva {

class RunLogFile {
public:
  virtual ~RunLogFile() = default;
  virtual bool Empty() = 0;
  virtual bool Append(std::string_view lines) = 0;
};

enum class KeepResult {
  Written, // the file is up to date, this line included
  Held,    // the line waits in memory
  Dropped, // the queue is full: the line is lost
};

class RunLogQueue {
public:
  static constexpr std::size_t kMaxHeldLines = 100000;
  // Held lines are written in appends of at most this many bytes (a single
  // longer line goes alone), so catching up takes a few opens, not one per line.
  static constexpr std::size_t kAppendBytes = 64 * 1024;

  explicit RunLogQueue(std::size_t maxHeldLines = kMaxHeldLines) : maxHeld_(maxHeldLines) {}

  // START. True when the file was emptied at once.
  bool StartRun(RunLogFile& file);
  // One kept line, with its line end.
  KeepResult Keep(RunLogFile& file, std::string line);
  // Writes what is owed. True when the file is up to date.
  bool Flush(RunLogFile& file);

  bool UpToDate() const { return !emptyOwed_ && held_.empty(); }
  std::size_t HeldLines() const { return held_.size(); }
  std::size_t DroppedLines() const { return dropped_; } // this run

private:
  std::size_t maxHeld_;
  std::deque<std::string> held_;
  bool emptyOwed_ = false;
  std::size_t dropped_ = 0;
};

} // namespace orva
