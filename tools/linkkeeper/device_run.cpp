// Order of a device run's notices.
#include "tools/linkkeeper/device_run.h"

namespace linkkeeper {

DeviceRun::DeviceRun(const Scenario& scenario)
    : scenario_(scenario), generator_(scenario), burstLeft_(scenario.burst) {}

bool DeviceRun::HasQueued() const {
  return dueError_.has_value() || nextError_ < scenario_.errors.size() ||
         (running_ && (nextScripted_ < scenario_.readings.size() || burstLeft_ > 0));
}

std::optional<Notice> DeviceRun::NextQueued() {
  if (dueError_) {
    const ErrorReport error = *dueError_;
    dueError_.reset();
    return MakeError(error);
  }
  if (running_ && nextScripted_ < scenario_.readings.size()) {
    return MakeReading(scenario_.readings[nextScripted_++]);
  }
  if (nextError_ < scenario_.errors.size()) return MakeError(scenario_.errors[nextError_++]);
  if (running_ && burstLeft_ > 0) {
    --burstLeft_;
    return MakeReading(generator_.Next());
  }
  return std::nullopt;
}

std::optional<Notice> DeviceRun::Tick() {
  if (!running_ || HasQueued()) return std::nullopt;
  return MakeReading(generator_.Next());
}

Notice DeviceRun::MakeReading(const ReadingText& text) {
  Notice n;
  n.kind = Notice::Kind::Reading;
  n.reading = text;
  n.sequence = ++readings_;
  if (scenario_.errorAfter > 0 && readings_ == scenario_.errorAfter) dueError_ = scenario_.afterError;
  return n;
}

Notice DeviceRun::MakeError(const ErrorReport& error) {
  Notice n;
  n.kind = Notice::Kind::Error;
  n.error = error;
  if (scenario_.stopAfterError) running_ = false;
  return n;
}

} // namespace linkkeeper
