// The run's screen on the main window's controls.
#include "station/win/run_screen.h"

#include "station/grid_scroll.h"
#include "winkit/control_helpers.h"
#include "winkit/message_box.h"
#include "winkit/text.h"
#include "winkit/twips.h"
#include "winkit/wait.h"

namespace orva {
namespace {

constexpr COLORREF kRed = 0x0000FF;

UINT BoxType(MessageButtons buttons) {
  switch (buttons) {
  case MessageButtons::CancelTryContinue: return MB_CANCELTRYCONTINUE;
  case MessageButtons::OkWarning: return MB_OK | MB_ICONEXCLAMATION;
  case MessageButtons::Ok: break;
  }
  return MB_OK;
}

} // namespace

std::optional<COLORREF> RunScreen::LabelColour(MainControl control) const {
  return labelColours_[static_cast<size_t>(control)];
}

void RunScreen::SetLabelColour(MainControl control, COLORREF colour) {
  labelColours_[static_cast<size_t>(control)] = colour;
  InvalidateRect(Control(control), nullptr, TRUE);
}

void RunScreen::ShowRunControls(const RunControls& controls) {
  if (!controls.indicator.empty()) SetLabelColour(MainControl::lblMeasure, kRed);
  winkit::SetUtf8Text(Control(MainControl::lblMeasure), controls.indicator);
  winkit::Enable(Control(MainControl::cmdStart), controls.startEnabled);
  winkit::Enable(Control(MainControl::cmdEnd), controls.stopEnabled);
  for (MainControl c : {MainControl::txtLimitHigh, MainControl::txtLimitLow, MainControl::frmLimit})
    winkit::Enable(Control(c), controls.limitsEnabled);
}

void RunScreen::ShowDiagnoseWords(const DiagnoseWords& words) {
  winkit::SetUtf8Text(Control(MainControl::lblDiag), words.diag);
  winkit::SetUtf8Text(Control(MainControl::lblExe), words.exe);
  winkit::SetUtf8Text(Control(MainControl::lblDriver), words.driver);
}

void RunScreen::ShowAlarmText(const std::string& text) { winkit::SetUtf8Text(Control(MainControl::txtError), text); }

void RunScreen::ShowScreen(Screen screen, const std::string& name) {
  const bool measure = screen == Screen::Measure;
  winkit::Show(Control(MainControl::MSFlexGridMsr), measure);
  winkit::Show(Control(MainControl::txtError), !measure);
  winkit::SetUtf8Text(Control(MainControl::lblDisp), name);
}

void RunScreen::ShowLimits(const std::string& high, const std::string& low) {
  winkit::SetUtf8Text(Control(MainControl::txtLimitHigh), high);
  winkit::SetUtf8Text(Control(MainControl::txtLimitLow), low);
}

void RunScreen::ShowLimitUnit(int option, const std::string& unit) {
  winkit::SetChecked(Control(MainControl::OptLimitMode0), option == 0);
  winkit::SetChecked(Control(MainControl::OptLimitMode1), option == 1);
  winkit::SetUtf8Text(Control(MainControl::lblLow), unit);
  winkit::SetUtf8Text(Control(MainControl::lblHigh), unit);
}

void RunScreen::ClearGrid() { grid_.Clear(); }

// The grid's texts are the meter's bytes in the ANSI code page.
void RunScreen::PutGridRow(int row, const GridRowTexts& texts) {
  grid_.SetTextMatrix(row, 0, winkit::WideFromAnsi(texts.number));
  grid_.SetTextMatrix(row, 1, winkit::WideFromAnsi(texts.tension));
  grid_.SetTextMatrix(row, 2, winkit::WideFromAnsi(texts.frequency));
  grid_.SetTextMatrix(row, 3, winkit::WideFromAnsi(texts.judgement));
  grid_.SetCurrentCell(row, 3);
}

void RunScreen::ColourCurrentCell(std::uint32_t colour) { grid_.SetCellForeColor(colour); }

int RunScreen::GridTopRow() const { return grid_.TopRow(); }

int RunScreen::GridVisibleRows() const {
  return VisibleRows(winkit::WindowSizeInTwips(grid_.Handle()).height, grid_.RowHeight());
}

void RunScreen::SetGridTopRow(int row) { grid_.SetTopRow(row); }

void RunScreen::Tell(const OperatorMessage& message) {
  winkit::ShowMessageBox(window_.Handle(), winkit::WideFromUtf8(message.text), winkit::WideFromUtf8(message.title),
                         BoxType(message.buttons));
}

void RunScreen::TellLater(const OperatorMessage& message) {
  pending_.push_back(message);
  if (pending_.size() == 1) PostMessageW(window_.Handle(), kMsgTellPending, 0, 0);
}

void RunScreen::TellWhatIsPending() {
  while (!pending_.empty()) {
    const OperatorMessage message = pending_.front();
    pending_.pop_front();
    Tell(message);
  }
}

bool RunScreen::Wait(float seconds) {
  winkit::WaitSeconds(seconds);
  return window_.Handle() != nullptr;
}

} // namespace orva
