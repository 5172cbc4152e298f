// Sends (or posts) the simulator's notifications to the main window and
// logs each one. Sending waits until the main window has handled the
// message, so a reading is read before the next one is written; incoming
// sent messages (commands) are still handled meanwhile.
#pragma once

#include <windows.h>

#include "tools/linkkeeper/log_lines.h"
#include "tools/linkkeeper/scenario.h"

namespace linkkeeper {

class Notifier {
 public:
  Notifier(NotifyMode mode, const LogFile& log) : mode_(mode), log_(log) {}

  // True when the message was taken by the target window.
  bool Notify(HWND target, UINT message);

 private:
  NotifyMode mode_;
  const LogFile& log_;
};

} // namespace linkkeeper
