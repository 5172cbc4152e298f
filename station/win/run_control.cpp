// The operator's commands: START, STOP, RESET, the screen buttons, the limit
// unit, Tool > Diagnose, exit; and the commands handed to their own units:
// save, print, settings, help, about.
#include "station/win/main_window.h"

#include "station/limit_check.h"
#include "station/output/win/results_print.h"
#include "station/settings/win/fonts_win.h"
#include "station/output/win/results_save.h"
#include "station/win/dialog_commands.h"
#include "winkit/message_box.h"
#include "winkit/text.h"
#include "winkit/wait.h"

namespace orva {

void MainWindow::OnStartClick() {
  if (lib_.ExeStarted == kFalse) {
    winkit::ShowMessageBox(Handle(), Pick(Text::HandlerNotRunning), kDefaultMessageTitle, MB_OK);
    return;
  }
  const LimitCheckResult check = CheckLimits(AnsiTextOf(MainControl::txtLimitHigh),
                                             AnsiTextOf(MainControl::txtLimitLow));
  if (check.lowBecomesZero) SetText(MainControl::txtLimitLow, L"0");
  switch (check.outcome) {
  case LimitCheck::HighNotNumeric:
  case LimitCheck::LowNotNumeric:
    winkit::ShowMessageBox(Handle(), Pick(Text::NotNumerical), Pick(Text::AllowanceTitle), MB_CANCELTRYCONTINUE);
    return;
  case LimitCheck::NotAscending:
    winkit::ShowMessageBox(Handle(), Pick(Text::HighAboveLow), Pick(Text::AllowanceTitle), MB_CANCELTRYCONTINUE);
    return;
  case LimitCheck::Accepted:
    break;
  }

  lib_.MeasureState = 0;
  lib_.ReadingNo = 0;
  lib_.GridRow = 0;
  StartRunLog();
  grid_.Clear();
  ShowScreen(0);

  if (lib_.DriverRunning != kFalse) {
    SetMeasuring(true);
    return;
  }
  for (MainControl c : {MainControl::cmdStart, MainControl::cmdEnd, MainControl::txtLimitHigh,
                        MainControl::txtLimitLow, MainControl::frmLimit})
    SetEnabled(c, false);
  if (lib_.ErrorPending != kFalse) {
    lib_.ErrorPending = kFalse;
    config_.link->DeviceStop();
    winkit::WaitSeconds(1.0f);
    if (WindowGone()) return; // closed during the wait: no run for a gone window
  }
  lib_.ParamsRec = devlink::LinkParams{static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Handle())),
                                       IsEnglish(lib_.CurLanguage) ? 1u : 0u, devlink::kParam3,
                                       devlink::kParam4};
  config_.link->DeviceStart(lib_.ParamsRec, lib_.StatusRec);
}

void MainWindow::OnEndClick() {
  lib_.MeasureState = 1;
  SetMeasuring(false);
}

void MainWindow::OnErrorResetClick() { ClearAlarm(); }

void MainWindow::OnDispChangeClick(int index) { ShowScreen(static_cast<std::int16_t>(index)); }

void MainWindow::OnLimitModeClick(int index) {
  if (FirstFlg == 1) {
    FirstFlg = 0;
  } else {
    SetText(MainControl::txtLimitHigh, L"");
    SetText(MainControl::txtLimitLow, L"");
  }
  SetLimitMode(index);
}

void MainWindow::OnDiagnoseClick() { ShowDiagnose(true); }

void MainWindow::OnExitClick() {
  ShutdownLink();
  Unload();
}

// The results file, the printout, the settings dialog, the help file and
// the about box live in their own units.
// The window gathers what they need (the texts of txtPrintTitle, txtLimitHigh
// and txtLimitLow and ORVA_lib's state) and passes it down as a record.
ResultsSource MainWindow::Results() {
  return {lib_.CurLanguage, winkit::Utf8FromWide(TextOf(MainControl::txtPrintTitle)),
          winkit::Utf8FromWide(TextOf(MainControl::txtLimitHigh)),
          winkit::Utf8FromWide(TextOf(MainControl::txtLimitLow)), lib_.LimitUnitMode, lib_.TempPath,
          [this] { return BringRunLogUpToDate(); }};
}
void MainWindow::OnSaveClick() { SaveResults(Handle(), Results()); }
void MainWindow::OnPrintClick() {
  PrintResults({Handle(), Results(), lib_.PrintPath, FontFor(FormFontSpec(lib_.CurLanguage))});
  // A close request during the print cancelled it; the close goes on now.
  if (closeAfterPrint_) PostMessageW(Handle(), WM_CLOSE, 0, 0);
}
void MainWindow::OnSettingClick() {
  if (RunSettingsDialog(Handle(), lib_)) ApplyDiagMode();
}
void MainWindow::OnHelpClick() { RunHelp(lib_); }
void MainWindow::OnVersionClick() { RunAboutBox(Handle(), lib_); }

} // namespace orva
