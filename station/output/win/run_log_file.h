// The run log file ("temp.txt"): emptied at START, one line appended per
// kept reading (open, append, close, so the file is complete after every
// reading). A line that cannot be written (locked by another program,
// read-only, disk full) is held in memory by the run's holding queue and
// written before anything newer as soon as the file can be written again;
// see run_log_queue.h. Nothing here throws, so the run log never stops the
// station.
#pragma once

#include "station/run_log_queue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orva {

// The run log file at a path, as the holding queue writes it.
class RunLogFileAt final : public RunLogFile {
public:
  void SetPath(const std::string& path);
  // Creates or truncates the file.
  bool Empty() override;
  // Appends at the end, creating the file when missing. A write that fails
  // part way is cut off again, so the file holds whole lines only; should
  // even the cut fail, it is made before the next append.
  bool Append(std::string_view lines) override;

private:
  std::string path_;
  std::optional<std::int64_t> cutBackTo_;
};

} // namespace orva
