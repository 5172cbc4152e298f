// Notification delivery.
#include "tools/linkkeeper/win/notifier.h"

namespace linkkeeper {

namespace {
// Long enough for a main window that shows a message box in its handler;
// a hung main window is given up on at once (SMTO_ABORTIFHUNG).
constexpr UINT kSendTimeoutMs = 30000;
} // namespace

bool Notifier::Notify(HWND target, UINT message) {
  log_.Append(NotifyLine(message));
  bool delivered = false;
  if (target != nullptr && IsWindow(target)) {
    if (mode_ == NotifyMode::Post) {
      delivered = PostMessageA(target, message, 0, 0) != FALSE;
    } else {
      DWORD_PTR result = 0;
      delivered = SendMessageTimeoutA(target, message, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                                      kSendTimeoutMs, &result) != 0;
    }
  }
  if (!delivered) log_.Append(UndeliveredLine(message));
  return delivered;
}

} // namespace linkkeeper
