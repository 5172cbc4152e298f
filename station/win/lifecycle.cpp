// The window's side of the station's life (StationShell): the mutex, the
// paths, the start-up's window steps, the subclass, the link's start and
// stop, and the settings written at shutdown. The order is the session's.
#include "station/win/main_window.h"

#include "station/output/win/printing_dialog.h"
#include "station/settings/ini_rules.h"
#include "station/settings/win/main_captions_win.h"
#include "station/settings/win/settings_file.h"
#include "winkit/control_helpers.h"
#include "winkit/frame_window.h"
#include "winkit/message_box.h"
#include "winkit/program_folder.h"
#include "winkit/subclass.h"
#include "winkit/text.h"
#include "winkit/wait.h"

#include <cstring>

namespace orva {
namespace {

constexpr char kHelpEnglish[] = "ORVAhelpE.chm";
constexpr char kHelpJapanese[] = "ORVAhelpJ.chm";

} // namespace

std::string MainWindow::ProgramFolder() const {
  if (!config_.programFolder.empty()) return config_.programFolder;
  return winkit::ModuleFolder();
}

bool MainWindow::TakeProgramName() {
  SetLastError(0);
  MutexHandle.Reset(CreateMutexA(nullptr, FALSE, config_.mutexName));
  if (GetLastError() == 0) return true;
  MutexHandle.Reset();
  return false;
}

void MainWindow::ReleaseProgramName() { MutexHandle.Reset(); }

void MainWindow::SetPaths() {
  const std::string base = ProgramFolder() + "\\";
  lib_.TempPath = base + "temp.txt";
  lib_.IniPath = base + "ORVA.ini";
  lib_.PrintPath = base + "print.txt";
  runLogFile_.SetPath(lib_.TempPath);
}

void MainWindow::PrepareWindow() {
  winkit::SetFrameBorderStyle(Control(MainControl::frmCmd), 0);
  RecordBaselines();
  SetupGrid();
  ReadSettings();
  allowances_.Load();
  ApplyDiagMode();
  lib_.HelpPath = ProgramFolder() + "\\" + (IsEnglish(lib_.CurLanguage) ? kHelpEnglish : kHelpJapanese);
  ApplyMainCaptions(Handle(), [this](MainControl c) { return Control(c); }, lib_.CurLanguage);
}

void MainWindow::InstallSubclass() {
  lib_.MainHwnd = Handle();
  lib_.OldWndProc = winkit::SubclassWindow(Handle(), &SubclassProc);
}

void MainWindow::RemoveSubclass() { winkit::RestoreWindowProc(Handle(), lib_.OldWndProc); }

bool MainWindow::Wait(float seconds) { return screen_.Wait(seconds); }

void MainWindow::TellLibraryMissing() {
  winkit::ShowMessageBox(Handle(), Pick(Text::DllNotFound), kDefaultMessageTitle, MB_OK);
}

bool MainWindow::LibraryFilePresent() { return config_.link->LibraryFilePresent(); }

void MainWindow::OpenLink() {
  std::memset(&lib_.StatusRec, 0, sizeof lib_.StatusRec);
  lib_.ParamsRec = StartParams(lib_);
  config_.link->USBStart(lib_.ParamsRec, lib_.StatusRec);
}

void MainWindow::CloseLink() { config_.link->USBStop(); }

void MainWindow::SetupGrid() {
  for (int c = 0; c < ReadingsGrid::kCols; ++c) grid_.SetColWidth(c, kBaseColumnWidths[static_cast<size_t>(c)]);
  for (int c = 0; c < ReadingsGrid::kCols; ++c) grid_.SetColAlignment(c, 1);
  grid_.SetScrollBars(2);
  grid_.SetFillStyle(0);
  grid_.Clear();
}

void MainWindow::ReadSettings() {
  lib_.CurLanguage = kEnglish; // the stored language is not consulted
  lib_.CurSaveType = GetIniValue(lib_.IniPath, kSecSaveType, kKeyNeglectHighLow);
  lib_.CurDiagMode = GetIniValue(lib_.IniPath, kSecDiagnose, kKeyMode);
  flow_.LoadLimits(winkit::Utf8FromAnsi(GetIniValue(lib_.IniPath, kSecLimit, kKeyHigh)),
                   winkit::Utf8FromAnsi(GetIniValue(lib_.IniPath, kSecLimit, kKeyLow)),
                   LimitModeFromIni(GetIniValue(lib_.IniPath, kSecLimit, kKeyLimitMode)));
  winkit::SetAnsiText(Control(MainControl::txtPrintTitle), GetIniValue(lib_.IniPath, kSecPrint, kKeyTitle));
}

void MainWindow::SaveWindowSettings() {
  const auto text = [this](MainControl c) { return winkit::AnsiFromWide(winkit::WindowText(Control(c))); };
  orva::SaveWindowSettings(lib_.IniPath, {flow_.State().LimitUnitMode, text(MainControl::txtLimitLow),
                                          text(MainControl::txtLimitHigh), text(MainControl::txtPrintTitle)});
  allowances_.SaveActive();
}

void MainWindow::CancelPrint() { orva::CancelPrint(); }

void MainWindow::RequestClose() { Unload(); }

void MainWindow::RequestCloseLater() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void MainWindow::DestroyWindow() { ::DestroyWindow(Handle()); }

void MainWindow::WindowDestroyed(bool endProgram) {
  grid_.Detach();
  if (endProgram && config_.quitOnDestroy) PostQuitMessage(0);
}

void MainWindow::Unload() {
  if (Handle()) SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

} // namespace orva
