// The small display routines shared by start-up, device events and the
// operator's commands, and the control text helpers behind them.
#include "station/win/main_window.h"

#include "winkit/text.h"

namespace orva {
namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr char kDiagEnable[] = "enable";

} // namespace

std::wstring MainWindow::Pick(Text id) const { return winkit::WideFromUtf8(PickText(lib_.CurLanguage, id)); }

void MainWindow::SetText(MainControl control, const std::wstring& text) {
  SetWindowTextW(Control(control), text.c_str());
}

std::wstring MainWindow::TextOf(MainControl control) const { return winkit::WindowText(Control(control)); }

std::string MainWindow::AnsiTextOf(MainControl control) const { return winkit::AnsiFromWide(TextOf(control)); }

void MainWindow::SetEnabled(MainControl control, bool enabled) { EnableWindow(Control(control), enabled); }

void MainWindow::SetVisible(MainControl control, bool visible) {
  ShowWindow(Control(control), visible ? SW_SHOW : SW_HIDE);
}

void MainWindow::SetLabelColour(MainControl control, COLORREF colour) {
  labelColours_[static_cast<size_t>(control)] = colour;
  InvalidateRect(Control(control), nullptr, TRUE);
}

std::optional<COLORREF> MainWindow::LabelColour(MainControl control) const {
  return labelColours_[static_cast<size_t>(control)];
}

void MainWindow::SetMeasuring(bool on) {
  if (on) {
    SetLabelColour(MainControl::lblMeasure, kRed);
    SetText(MainControl::lblMeasure, Pick(Text::MeasureMode));
    SetEnabled(MainControl::cmdStart, false);
    SetEnabled(MainControl::cmdEnd, true);
  } else {
    SetText(MainControl::lblMeasure, L"");
    SetEnabled(MainControl::cmdStart, true);
  }
  SetEnabled(MainControl::txtLimitHigh, !on);
  SetEnabled(MainControl::txtLimitLow, !on);
  SetEnabled(MainControl::frmLimit, !on);
}

void MainWindow::ShowScreen(std::int16_t index) {
  if (index != 0 && index != 1) return;
  const bool measure = index == 0;
  SetVisible(MainControl::MSFlexGridMsr, measure);
  SetVisible(MainControl::txtError, !measure);
  SetText(MainControl::lblDisp, Pick(measure ? Text::MeasureScreen : Text::AlarmScreen));
}

// Switching an option on raises its click, as the operator's click would;
// the start-up's own switch is the first click that FirstFlg lets pass.
void MainWindow::SetOption(int index, bool on) {
  HWND option = Control(index == 0 ? MainControl::OptLimitMode0 : MainControl::OptLimitMode1);
  const bool was = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
  SendMessageW(option, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  if (on && !was) OnLimitModeClick(index);
}

void MainWindow::SetLimitMode(int mode) {
  lib_.LimitUnitMode = static_cast<std::int16_t>(mode);
  const bool newtons = mode == 0;
  SetOption(0, newtons);
  SetOption(1, !newtons);
  const wchar_t* unit = newtons ? L"N" : L"Hz";
  SetText(MainControl::lblLow, unit);
  SetText(MainControl::lblHigh, unit);
}

void MainWindow::ApplyDiagMode() {
  const bool enable = lib_.CurDiagMode == kDiagEnable;
  EnableMenuItem(menu_, MenuCommandId(MainMenu::USBdiagnose), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
  ShowDiagnose(false);
}

void MainWindow::ShowDiagnose(bool show) {
  for (MainControl c : {MainControl::lblDiag, MainControl::lblExe, MainControl::lblDriver}) {
    SetVisible(c, show);
    SetLabelColour(c, kBlue);
  }
}

void MainWindow::ClearAlarm() { SetText(MainControl::txtError, L""); }

} // namespace orva
