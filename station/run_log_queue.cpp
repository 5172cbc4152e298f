#include "station/run_log_queue.h"

#include <utility>

namespace orva {

bool RunLogQueue::StartRun(RunLogFile& file) {
  held_.clear();
  dropped_ = 0;
  emptyOwed_ = true;
  return Flush(file);
}

KeepResult RunLogQueue::Keep(RunLogFile& file, std::string line) {
  // Nothing may overtake a held line: the new one is tried only once the
  // file has caught up.
  if (Flush(file) && file.Append(line)) return KeepResult::Written;
  if (held_.size() >= maxHeld_) {
    ++dropped_;
    return KeepResult::Dropped;
  }
  held_.push_back(std::move(line));
  return KeepResult::Held;
}

bool RunLogQueue::Flush(RunLogFile& file) {
  if (emptyOwed_) {
    if (!file.Empty()) return false;
    emptyOwed_ = false;
  }
  // The oldest line alone first: while the file stays blocked, each reading
  // costs one failed open, not the joining of a batch.
  if (held_.empty()) return true;
  if (!file.Append(held_.front())) return false;
  held_.pop_front();
  std::string batch;
  while (!held_.empty()) {
    batch.clear();
    std::size_t lines = 0;
    for (const std::string& line : held_) {
      if (lines > 0 && batch.size() + line.size() > kAppendBytes) break;
      batch += line;
      ++lines;
    }
    if (!file.Append(batch)) return false;
    held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(lines));
  }
  return true;
}

} // namespace orva
