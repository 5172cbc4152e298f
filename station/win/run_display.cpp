// The run's screen: the main window's side of RunView (the run controls,
// the diagnose panel, the alarm text, the screens, the limit boxes and unit,
// the readings grid, message boxes and waits), the diagnose display, and the
// control text helpers behind them.
#include "station/win/main_window.h"

#include "station/grid_scroll.h"
#include "winkit/message_box.h"
#include "winkit/text.h"
#include "winkit/twips.h"
#include "winkit/wait.h"

namespace orva {
namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr char kDiagEnable[] = "enable";

UINT BoxType(MessageButtons buttons) {
  switch (buttons) {
  case MessageButtons::CancelTryContinue: return MB_CANCELTRYCONTINUE;
  case MessageButtons::OkWarning: return MB_OK | MB_ICONEXCLAMATION;
  case MessageButtons::Ok: break;
  }
  return MB_OK;
}

} // namespace

// ---- control helpers --------------------------------------------------------------

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

// ---- RunView -----------------------------------------------------------------------

void MainWindow::ShowRunControls(const RunControls& controls) {
  if (!controls.indicator.empty()) SetLabelColour(MainControl::lblMeasure, kRed);
  SetText(MainControl::lblMeasure, winkit::WideFromUtf8(controls.indicator));
  SetEnabled(MainControl::cmdStart, controls.startEnabled);
  SetEnabled(MainControl::cmdEnd, controls.stopEnabled);
  for (MainControl c : {MainControl::txtLimitHigh, MainControl::txtLimitLow, MainControl::frmLimit})
    SetEnabled(c, controls.limitsEnabled);
}

void MainWindow::ShowDiagnoseWords(const DiagnoseWords& words) {
  SetText(MainControl::lblDiag, winkit::WideFromUtf8(words.diag));
  SetText(MainControl::lblExe, winkit::WideFromUtf8(words.exe));
  SetText(MainControl::lblDriver, winkit::WideFromUtf8(words.driver));
}

void MainWindow::ShowAlarmText(const std::string& text) { SetText(MainControl::txtError, winkit::WideFromUtf8(text)); }

void MainWindow::ShowScreen(Screen screen, const std::string& name) {
  const bool measure = screen == Screen::Measure;
  SetVisible(MainControl::MSFlexGridMsr, measure);
  SetVisible(MainControl::txtError, !measure);
  SetText(MainControl::lblDisp, winkit::WideFromUtf8(name));
}

void MainWindow::ShowLimits(const std::string& high, const std::string& low) {
  SetText(MainControl::txtLimitHigh, winkit::WideFromUtf8(high));
  SetText(MainControl::txtLimitLow, winkit::WideFromUtf8(low));
}

// The limit boxes changed, by the operator or by the run: the run judges
// against what they hold now.
void MainWindow::OnLimitsEdited() {
  flow_.LimitsEdited(winkit::Utf8FromWide(TextOf(MainControl::txtLimitHigh)),
                     winkit::Utf8FromWide(TextOf(MainControl::txtLimitLow)));
}

void MainWindow::ShowLimitUnit(int option, const std::string& unit) {
  SendMessageW(Control(MainControl::OptLimitMode0), BM_SETCHECK, option == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageW(Control(MainControl::OptLimitMode1), BM_SETCHECK, option == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
  SetText(MainControl::lblLow, winkit::WideFromUtf8(unit));
  SetText(MainControl::lblHigh, winkit::WideFromUtf8(unit));
}

void MainWindow::ClearGrid() { grid_.Clear(); }

void MainWindow::PutGridRow(int row, const GridRowTexts& texts) {
  grid_.SetTextMatrix(row, 0, winkit::WideFromAnsi(texts.number));
  grid_.SetTextMatrix(row, 1, winkit::WideFromAnsi(texts.tension));
  grid_.SetTextMatrix(row, 2, winkit::WideFromAnsi(texts.frequency));
  grid_.SetTextMatrix(row, 3, winkit::WideFromAnsi(texts.judgement));
  grid_.SetCurrentCell(row, 3);
}

void MainWindow::ColourCurrentCell(std::uint32_t colour) { grid_.SetCellForeColor(colour); }

int MainWindow::GridTopRow() const { return grid_.TopRow(); }

int MainWindow::GridVisibleRows() const {
  RECT rect;
  GetWindowRect(grid_.Handle(), &rect);
  return VisibleRows(winkit::PixelsToTwips(rect.bottom - rect.top, winkit::ScreenDpi().y), grid_.RowHeight());
}

void MainWindow::SetGridTopRow(int row) { grid_.SetTopRow(row); }

void MainWindow::Tell(const OperatorMessage& message) {
  winkit::ShowMessageBox(Handle(), winkit::WideFromUtf8(message.text), winkit::WideFromUtf8(message.title),
                         BoxType(message.buttons));
}

void MainWindow::TellLater(const OperatorMessage& message) {
  pendingMessages_.push_back(message);
  if (pendingMessages_.size() == 1) PostMessageW(Handle(), kMsgTellPending, 0, 0);
}

void MainWindow::TellWhatIsPending() {
  while (!pendingMessages_.empty()) {
    const OperatorMessage message = pendingMessages_.front();
    pendingMessages_.pop_front();
    Tell(message);
  }
}

bool MainWindow::Wait(float seconds) {
  winkit::WaitSeconds(seconds);
  return !WindowGone();
}

// ---- the diagnose display ---------------------------------------------------------

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

} // namespace orva
