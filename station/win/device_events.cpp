// The window's side of the run: SubclassProc, which hands the link messages
// 0x465..0x46B to the run flow (fetching the reading or the error report
// first), the device calls the run flow makes, and the limit boxes' texts.
#include "station/win/main_window.h"

#include "station/alarm_text.h"
#include "winkit/control_helpers.h"
#include "winkit/subclass.h"
#include "winkit/text.h"

namespace orva {

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* window = winkit::Window::FromHandle<MainWindow>(hwnd);
  const WNDPROC old = window ? window->Lib().OldWndProc : nullptr;
  return winkit::ForwardGuarded(old, hwnd, msg, wp, lp, [&] {
    if (window && msg >= devlink::kNotifyHandlerRunning && msg <= devlink::kNotifyReading)
      window->OnLinkMessage(msg);
  });
}

void MainWindow::OnLinkMessage(UINT message) {
  switch (message) {
  case devlink::kNotifyErrorReport:
    ErrorSteps();
    break;
  case devlink::kNotifyReading:
    config_.link->USBReceiveRead(lib_.ReceiveRec, lib_.StatusRec);
    flow_.ReadingArrived(lib_.ReceiveRec.entry0);
    break;
  default:
    flow_.LinkMessage(message);
    break;
  }
}

void MainWindow::ErrorSteps() {
  char text1[devlink::kErrorTextSize] = {};
  char text2[devlink::kErrorTextSize] = {};
  config_.link->DeviceErrorRead(lib_.StatusRec, text1, text2);
  flow_.ErrorReported({lib_.StatusRec.alarmNo, lib_.StatusRec.subCode,
                       winkit::Utf8FromAnsi(CleanErrorText(text1, sizeof text1)),
                       winkit::Utf8FromAnsi(CleanErrorText(text2, sizeof text2))});
}

void MainWindow::DeviceStart() {
  lib_.ParamsRec = StartParams(lib_);
  config_.link->DeviceStart(lib_.ParamsRec, lib_.StatusRec);
}

void MainWindow::DeviceStop() { config_.link->DeviceStop(); }

// The limit boxes changed, by the operator or by the run: the run judges
// against what they hold now.
void MainWindow::OnLimitsEdited() {
  flow_.LimitsEdited(winkit::Utf8Text(Control(MainControl::txtLimitHigh)),
                     winkit::Utf8Text(Control(MainControl::txtLimitLow)));
  allowances_.LimitsChanged();
}

} // namespace orva
