// The receiving end of the device link: SubclassProc, the link messages
// 0x465..0x46B, error reports on the alarm screen, and each reading's way
// into the grid and the run log.
#include "station/win/main_window.h"

#include "station/alarm_text.h"
#include "station/grid_scroll.h"
#include "station/judgement.h"
#include "station/reading.h"
#include "winkit/subclass.h"
#include "winkit/text.h"
#include "winkit/twips.h"

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
  case devlink::kNotifyHandlerRunning:
    lib_.ExeStarted = kTrue;
    SetText(MainControl::lblDiag, Pick(Text::DiagExeStarted));
    SetText(MainControl::lblExe, L"Exe Run");
    break;
  case devlink::kNotifyDeviceStarted:
    SetMeasuring(true);
    lib_.DriverRunning = kTrue;
    SetText(MainControl::lblDiag, Pick(Text::DiagDriverStarted));
    SetText(MainControl::lblDriver, L"Driver Run");
    ClearAlarm();
    break;
  case devlink::kNotifyDeviceStartError:
    lib_.MeasureState = 0;
    lib_.DriverRunning = kFalse;
    lib_.ErrorPending = kTrue;
    SetMeasuring(false);
    SetText(MainControl::lblDiag, Pick(Text::DiagDriverStartError));
    SetText(MainControl::lblDriver, L"Driver Stop");
    break;
  case devlink::kNotifyHandlerEnded:
    SetText(MainControl::lblDiag, Pick(Text::DiagExeEnded));
    SetText(MainControl::lblExe, L"Exe Stop");
    lib_.MeasureState = 0;
    lib_.DriverRunning = kFalse;
    break;
  case devlink::kNotifyDeviceStopped:
    SetText(MainControl::lblDiag, Pick(Text::DiagDriverStopped));
    SetText(MainControl::lblDriver, L"Driver Stop");
    lib_.MeasureState = 0;
    lib_.DriverRunning = kFalse;
    break;
  case devlink::kNotifyErrorReport:
    ErrorSteps();
    break;
  case devlink::kNotifyReading:
    config_.link->USBReceiveRead(lib_.ReceiveRec, lib_.StatusRec);
    DecodeReading(lib_.ReceiveRec.entry0);
    SetText(MainControl::lblDiag, Pick(Text::DiagDataReceived));
    break;
  default:
    break;
  }
}

void MainWindow::ErrorSteps() {
  char text1[devlink::kErrorTextSize] = {};
  char text2[devlink::kErrorTextSize] = {};
  config_.link->DeviceErrorRead(lib_.StatusRec, text1, text2);
  ShowAlarm(lib_.StatusRec.alarmNo, lib_.StatusRec.subCode, winkit::Utf8FromAnsi(CleanErrorText(text1, sizeof text1)),
            winkit::Utf8FromAnsi(CleanErrorText(text2, sizeof text2)));
  SetText(MainControl::lblDiag, Pick(Text::DiagErrorReceived));
  SetText(MainControl::lblDriver, L"Driver Stop");
  SetMeasuring(false);
  lib_.MeasureState = 0;
  lib_.DriverRunning = kFalse;
  lib_.ErrorPending = kTrue;
  SetEnabled(MainControl::cmdStart, true);
  SetEnabled(MainControl::cmdEnd, true);
}

void MainWindow::ShowAlarm(std::int32_t alarmNo, std::int32_t subCode, const std::string& text1,
                           const std::string& text2) {
  SetText(MainControl::txtError, winkit::WideFromUtf8(AlarmText(lib_.CurLanguage, alarmNo, subCode, text1, text2)));
  ShowScreen(1);
}

void MainWindow::DecodeReading(const unsigned char* entry) {
  const ReadingTexts texts = SplitEntry(entry);
  const Judgement judgement = JudgeReading(JudgedText(texts, lib_.LimitUnitMode),
                                           AnsiTextOf(MainControl::txtLimitHigh),
                                           AnsiTextOf(MainControl::txtLimitLow));
  lib_.ReadingNo += 1;
  lib_.GridRow = NextGridRow(lib_.GridRow, grid_.Rows());

  if (lib_.MeasureState == 0) {
    const int row = lib_.GridRow - 1;
    const GridRowTexts cells = MakeGridRow(lib_.ReadingNo, texts, judgement);
    grid_.SetTextMatrix(row, 0, winkit::WideFromAnsi(cells.number));
    grid_.SetTextMatrix(row, 1, winkit::WideFromAnsi(cells.tension));
    grid_.SetTextMatrix(row, 2, winkit::WideFromAnsi(cells.frequency));
    grid_.SetTextMatrix(row, 3, winkit::WideFromAnsi(cells.judgement));
    grid_.SetCurrentCell(row, 3);
  }
  grid_.SetCellForeColor(JudgementColour(judgement));

  RECT gridRect;
  GetWindowRect(grid_.Handle(), &gridRect);
  const int visible = VisibleRows(winkit::PixelsToTwips(gridRect.bottom - gridRect.top, winkit::ScreenDpi().y), grid_.RowHeight());
  grid_.SetTopRow(ScrolledTopRow(lib_.GridRow, grid_.TopRow(), visible));

  if (KeepInRunLog(lib_.CurSaveType, judgement)) RecordInRunLog(RunLogLine(lib_.ReadingNo, texts, judgement));
}

} // namespace orva
