// Meter simulator window: command handlers and the device's notice flow.
#include "tools/linkkeeper/win/sim_window.h"

#include "winkit/text.h"
#include "winkit/twips.h"

#include <cmath>
#include <cstdio>

namespace linkkeeper {

namespace {

constexpr wchar_t kClassName[] = L"OrvaMeterSimulator";
constexpr UINT_PTR kReadingTimer = 1;
constexpr UINT_PTR kExitTimer = 2;
// Posted to itself: send the next opening notice. One notice per message
// keeps the window answering commands in the middle of a long burst.
constexpr UINT kMsgNextQueued = WM_APP + 1;

std::wstring Widen(const std::string& text) { return winkit::WideFromAnsi(text); }

std::wstring Widen(const std::array<char, 5>& text) {
  return Widen(std::string(text.begin(), text.end()));
}

} // namespace

SimWindow::SimWindow(const Scenario& scenario, SharedObjects& shared, const LogFile& log,
                     std::wstring origin)
    : scenario_(scenario),
      shared_(shared),
      log_(log),
      notifier_(scenario.notify, log),
      origin_(std::move(origin)) {}

HWND SimWindow::Create(HINSTANCE, int showCommand) {
  static const winkit::WindowClass kClass{kClassName, 0, nullptr, nullptr,
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  const std::wstring title = Widen(scenario_.windowTitle);
  if (CreateWin(kClass, 0, WS_OVERLAPPEDWINDOW, title.c_str(), CW_USEDEFAULT, CW_USEDEFAULT, 460, 170, nullptr,
                nullptr) != nullptr) {
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
  }
  return Handle();
}

LRESULT SimWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE:
      // Published at the earliest moment, so whoever finds the window by its
      // title also finds its handle in the block.
      shared_.PublishWindow(Handle());
      return Default(msg, wp, lp);
    case WM_CREATE: OnCreate(); return 0;
    case WM_NULL: OnNull(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case devlink::kMsgUSBMsgInit: OnUsbMsgInit(); return 0;
    case devlink::kMsgUSBMsgDeviceEnd: OnUsbMsgDeviceEnd(); return 0;
    case devlink::kMsgUSBMsgEnd: OnUsbMsgEnd(); return 0;
    case kMsgNextQueued: OnNextQueued(); return 0;
    case WM_TIMER:
      if (wp == kReadingTimer) OnReadingTimer();
      else if (wp == kExitTimer) DestroyWindow(Handle());
      return 0;
    case WM_SIZE:
      MoveWindow(statusText_, 10, 10, LOWORD(lp) - 20, HIWORD(lp) - 20, TRUE);
      return 0;
    case WM_DESTROY:
      KillTimer(Handle(), kReadingTimer);
      KillTimer(Handle(), kExitTimer);
      run_.reset();
      if (font_ != nullptr) DeleteObject(font_);
      font_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default: return Default(msg, wp, lp);
  }
}

void SimWindow::OnCreate() {
  statusText_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 420,
                                110, Handle(), nullptr, nullptr, nullptr);
  // A Latin face by name: the stock GUI font may map to a face that draws
  // the backslash of a path as a yen sign.
  const int height = -MulDiv(9, winkit::ScreenDpi().y, 72);
  font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_SWISS, L"Arial");
  SendMessageW(statusText_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  ShowStatus();
}

void SimWindow::OnNull() {
  log_.Append("WM_NULL");
  if (scenario_.hangOnNull) {
    // A hung handler, on purpose: the window thread never returns.
    for (;;) Sleep(INFINITE);
  }
}

void SimWindow::OnClose() {
  log_.Append("WM_CLOSE");
  StopDevice();
  lastEvent_ = L"closing";
  EndProgram();
}

void SimWindow::OnUsbMsgInit() {
  const StartParams p = shared_.ReadStartParams();
  log_.Append(InitLine(p.mainWindow, p.languageFlag, p.param3, p.param4));
  StopDevice();
  mainWindow_ = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(p.mainWindow));
  if (scenario_.failDeviceStart) {
    lastEvent_ = L"device start failed (as scripted)";
    ShowStatus();
    notifier_.Notify(mainWindow_, devlink::kNotifyDeviceStartError);
    return;
  }
  run_ = std::make_unique<DeviceRun>(scenario_);
  lastEvent_ = L"device started";
  ShowStatus();
  notifier_.Notify(mainWindow_, devlink::kNotifyDeviceStarted);
  // The opening notices follow once this command has been answered.
  if (run_ && run_->HasQueued()) PostMessageW(Handle(), kMsgNextQueued, 0, 0);
  if (run_ && scenario_.rate > 0) {
    const double interval = std::round(1000.0 / scenario_.rate);
    SetTimer(Handle(), kReadingTimer, interval < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : static_cast<UINT>(interval), nullptr);
  }
}

void SimWindow::OnUsbMsgDeviceEnd() {
  log_.Append("USBMsgDeviceEnd");
  StopDevice();
  lastEvent_ = L"device stopped";
  ShowStatus();
  notifier_.Notify(mainWindow_, devlink::kNotifyDeviceStopped);
}

void SimWindow::OnUsbMsgEnd() {
  log_.Append("USBMsgEnd");
  StopDevice();
  // The main window is in the block from USBStart on, also when no device
  // run has been started yet.
  mainWindow_ = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(shared_.ReadStartParams().mainWindow));
  lastEvent_ = L"ending";
  ShowStatus();
  notifier_.Notify(mainWindow_, devlink::kNotifyHandlerEnded);
  EndProgram();
}

void SimWindow::OnReadingTimer() {
  if (!run_ || !run_->running()) {
    KillTimer(Handle(), kReadingTimer);
    return;
  }
  if (auto notice = run_->Tick()) Deliver(*notice);
  // A generated reading can make an error due (error_after): it goes out
  // through the queue, which Tick leaves alone.
  if (run_ && run_->HasQueued()) PostMessageW(Handle(), kMsgNextQueued, 0, 0);
}

void SimWindow::OnNextQueued() {
  if (!run_) return;
  if (auto notice = run_->NextQueued()) Deliver(*notice);
  // Deliver may have handled a command meanwhile (the run can be gone).
  if (run_ && run_->HasQueued()) PostMessageW(Handle(), kMsgNextQueued, 0, 0);
}

void SimWindow::StopDevice() {
  KillTimer(Handle(), kReadingTimer);
  run_.reset();
}

void SimWindow::EndProgram() {
  if (ending_) return;
  ending_ = true;
  if (scenario_.exitDelayMs > 0) SetTimer(Handle(), kExitTimer, scenario_.exitDelayMs, nullptr);
  else DestroyWindow(Handle());
}

void SimWindow::Deliver(const Notice& notice) {
  if (notice.kind == Notice::Kind::Reading) {
    shared_.WriteReading(notice.reading, notice.sequence);
    lastEvent_ = L"last reading " + Widen(notice.reading.tension) + L" N, " +
                 Widen(notice.reading.frequency) + L" Hz";
    ShowStatus();
    notifier_.Notify(mainWindow_, devlink::kNotifyReading);
  } else {
    shared_.WriteError(notice.error);
    lastEvent_ = L"error reported: alarm " + std::to_wstring(notice.error.alarmNo) + L", sub code " +
                 std::to_wstring(notice.error.subCode);
    ShowStatus();
    notifier_.Notify(mainWindow_, devlink::kNotifyErrorReport);
  }
  if (run_ && !run_->running()) KillTimer(Handle(), kReadingTimer);
}

void SimWindow::ShowStatus() {
  if (statusText_ == nullptr) return;
  std::wstring text = L"Meter simulator (stands in for the USB handler and the meter)\r\n";
  if (run_) {
    text += run_->running() ? L"Device running, " : L"Device stopped after an error, ";
    text += std::to_wstring(run_->readingsSent()) + L" readings\r\n";
  } else {
    text += L"Device not running\r\n";
  }
  text += lastEvent_ + L"\r\nScenario: " + origin_;
  SetWindowTextW(statusText_, text.c_str());
}

} // namespace linkkeeper
