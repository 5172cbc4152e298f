// A stand-in main window that records the notifications it is sent.
#include "tools/testsupport/notify_recorder.h"

#include "tools/testsupport/sim_process.h"

namespace orva::testsupport {

namespace {
constexpr char kClassName[] = "OrvaTestNotifyRecorder";

void RegisterOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA; // replaced per window in the constructor
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  registered = true;
}
} // namespace

NotifyRecorder::NotifyRecorder(const SharedBlockAccess* block) : block_(block) {
  RegisterOnce();
  // Top-level but never shown: a window of the test, not of the simulator.
  hwnd_ = CreateWindowExA(0, kClassName, "ORVA test main window", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                          100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (hwnd_ != nullptr) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NotifyRecorder::WndProc));
  }
}

NotifyRecorder::~NotifyRecorder() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

LRESULT CALLBACK NotifyRecorder::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<NotifyRecorder*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self != nullptr && msg >= devlink::kNotifyHandlerRunning && msg <= devlink::kNotifyReading) {
    RecordedNotice notice;
    notice.message = msg;
    notice.wParam = wp;
    notice.lParam = lp;
    notice.sent = InSendMessage() != FALSE;
    if (self->block_ != nullptr) notice.block = self->block_->Read();
    self->notices_.push_back(notice);
    if (self->onNotice) self->onNotice(self->notices_.back());
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

int NotifyRecorder::Count(UINT message) const {
  int n = 0;
  for (const auto& notice : notices_) n += notice.message == message ? 1 : 0;
  return n;
}

bool NotifyRecorder::WaitFor(UINT message, int count, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (Count(message) < count) {
    if (GetTickCount() - start >= timeoutMs) return false;
    PumpMessagesFor(10);
  }
  return true;
}

} // namespace orva::testsupport
