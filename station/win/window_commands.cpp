// The commands handed to their own units: save, print, settings, help and
// about; and the diagnose display of the Tool menu. (The run's commands go
// to the run flow, see main_window.cpp.)
#include "station/win/main_window.h"

#include "station/output/win/results_print.h"
#include "station/settings/win/fonts_win.h"
#include "station/output/win/results_save.h"
#include "station/win/dialog_commands.h"
#include "winkit/control_helpers.h"
#include "winkit/text.h"
#include "winkit/window_dpi.h"

namespace orva {
namespace {

constexpr COLORREF kBlue = 0xFF0000;
constexpr char kDiagEnable[] = "enable";

} // namespace

std::wstring MainWindow::Pick(Text id) const { return winkit::WideFromUtf8(PickText(lib_.CurLanguage, id)); }

void MainWindow::ApplyDiagMode() {
  const bool enable = lib_.CurDiagMode == kDiagEnable;
  EnableMenuItem(menu_, MenuCommandId(MainMenu::USBdiagnose), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
  ShowDiagnose(false);
}

void MainWindow::ShowDiagnose(bool show) {
  for (MainControl c : {MainControl::lblDiag, MainControl::lblExe, MainControl::lblDriver}) {
    winkit::Show(Control(c), show);
    screen_.SetLabelColour(c, kBlue);
  }
}

// The results file, the printout, the settings dialog, the help file and
// the about box live in their own units.
// The window gathers what they need (the texts of txtPrintTitle, txtLimitHigh
// and txtLimitLow and ORVA_lib's state) and passes it down as a record.
ResultsSource MainWindow::Results() {
  const auto text = [this](MainControl c) { return winkit::Utf8Text(Control(c)); };
  return {lib_.CurLanguage, text(MainControl::txtPrintTitle), text(MainControl::txtLimitHigh),
          text(MainControl::txtLimitLow), flow_.State().LimitUnitMode, lib_.TempPath,
          [this] { return flow_.BringRunLogUpToDate(); }};
}
void MainWindow::OnSaveClick() {
  session_.RunBusy(Busy::Saving, [this] { SaveResults(Handle(), Results()); });
}
void MainWindow::OnPrintClick() {
  session_.RunBusy(Busy::PrintDialog, [this] {
    PrintResults({Handle(), Results(), lib_.PrintPath, FontFor(FormFontSpec(lib_.CurLanguage), winkit::WindowDpi(Handle())),
                  [this] { session_.PrintJobStarted(); }});
  });
}
void MainWindow::OnSettingClick() {
  session_.RunBusy(Busy::ModalBox, [this] {
    if (RunSettingsDialog(Handle(), lib_)) ApplyDiagMode();
  });
}
void MainWindow::OnHelpClick() { RunHelp(lib_); }
void MainWindow::OnVersionClick() {
  session_.RunBusy(Busy::ModalBox, [this] { RunAboutBox(Handle(), lib_); });
}
StationArchive::Station MainWindow::ArchiveStation() {
  return {[this] { return Handle(); },
          [this] { return lib_.IniPath; },
          [this] { return lib_.TempPath; },
          [this] {
            return StationArchive::Shown{
                lib_.CurLanguage, winkit::Utf8Text(Control(MainControl::txtPrintTitle)),
                {flow_.HighLimit(), flow_.LowLimit(), flow_.State().LimitUnitMode}};
          },
          [this]() -> const std::string& { return flow_.RunLines(); },
          [this] { return flow_.BringRunLogUpToDate(); }};
}

void MainWindow::OnAllowancesClick() {
  session_.RunBusy(Busy::ModalBox, [this] { allowances_.OpenDialog(); });
}
StationAllowances::Station MainWindow::AllowancesStation() {
  return {[this] { return Handle(); },
          [this] { return lib_.IniPath; },
          [this] { return lib_.CurLanguage; },
          [this]() -> RunFlow& { return flow_; },
          [this](const std::string& title) { winkit::SetUtf8Text(Control(MainControl::txtPrintTitle), title); },
          [this](const std::string& text) { winkit::SetUtf8Text(Control(MainControl::lblAllowanceName), text); }};
}

void MainWindow::OnStatisticsClick() { statisticsWindow_.Open(Handle(), lib_.CurLanguage); }

} // namespace orva
