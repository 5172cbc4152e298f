// One run of the simulated device, from USBMsgInit to its stop: which
// notice goes out next. Right after the start come the scripted readings,
// the scripted error reports and the burst (the "opening"); after that each
// timer tick brings one generated reading. An error report after
// `error_after` readings follows the reading that reached the count, and with
// `stop_after_error` an error report ends the flow of readings.
// Portable: no windows.h.
#pragma once

#include <optional>

#include "tools/linkkeeper/reading_generator.h"
#include "tools/linkkeeper/scenario.h"

namespace linkkeeper {

struct Notice {
  enum class Kind { Reading, Error };
  Kind kind = Kind::Reading;
  ReadingText reading;  // Kind::Reading
  int sequence = 0;     // Kind::Reading: 1-based number within the run
  ErrorReport error;    // Kind::Error
};

class DeviceRun {
 public:
  explicit DeviceRun(const Scenario& scenario);

  // True until an error report stops the device.
  bool running() const { return running_; }

  // Opening notices (or a due error report) still to go out.
  bool HasQueued() const;

  // The next opening notice; nullopt when none is queued.
  std::optional<Notice> NextQueued();

  // A timer tick: one generated reading while running and nothing is queued.
  std::optional<Notice> Tick();

  int readingsSent() const { return readings_; }

 private:
  Notice MakeReading(const ReadingText& text);
  Notice MakeError(const ErrorReport& error);

  const Scenario& scenario_;
  ReadingGenerator generator_;
  bool running_ = true;
  std::size_t nextScripted_ = 0;
  std::size_t nextError_ = 0;
  int burstLeft_ = 0;
  int readings_ = 0;
  std::optional<ErrorReport> dueError_;
};

} // namespace linkkeeper
