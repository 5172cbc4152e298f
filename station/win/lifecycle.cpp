// Start-up (Form_Load), the close request and unload, and ShutdownLink.
#include "station/win/main_window.h"

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

MainWindow::LoadResult MainWindow::Load() {
  // 1. One copy at a time; a second one leaves without touching anything.
  SetLastError(0);
  MutexHandle = CreateMutexA(nullptr, FALSE, config_.mutexName);
  if (GetLastError() != 0) {
    if (MutexHandle) CloseHandle(MutexHandle);
    MutexHandle = nullptr;
    DestroyWindow(Handle());
    return LoadResult::SecondInstance;
  }
  loaded_ = true;
  flow_.BeginLoad();

  const std::string base = ProgramFolder() + "\\";
  lib_.TempPath = base + "temp.txt";
  lib_.IniPath = base + "ORVA.ini";
  lib_.PrintPath = base + "print.txt";
  runLogFile_.SetPath(lib_.TempPath);

  winkit::SetFrameBorderStyle(Control(MainControl::frmCmd), 0);
  RecordBaselines();
  SetupGrid();
  ReadSettings();
  ApplyDiagMode();
  lib_.HelpPath = base + (IsEnglish(lib_.CurLanguage) ? kHelpEnglish : kHelpJapanese);
  ApplyMainCaptions(Handle(), [this](MainControl c) { return Control(c); }, lib_.CurLanguage);
  flow_.ShowStartScreen();
  ShowDiagnose(false);

  // The subclass goes in before USBStart: its 0x465 arrives inside the call.
  lib_.MainHwnd = Handle();
  lib_.OldWndProc = winkit::SubclassWindow(Handle(), &SubclassProc);
  subclassed_ = true;
  winkit::WaitSeconds(0.1f);
  if (WindowGone()) return LoadResult::Unloaded;

  std::memset(&lib_.StatusRec, 0, sizeof lib_.StatusRec);
  lib_.ParamsRec = StartParams(lib_);
  if (config_.link->LibraryFilePresent()) {
    config_.link->USBStart(lib_.ParamsRec, lib_.StatusRec);
  } else {
    winkit::ShowMessageBox(Handle(), Pick(Text::DllNotFound), kDefaultMessageTitle, MB_OK);
    Unload();
    return LoadResult::Unloaded;
  }
  flow_.AfterLinkStart();
  loadFinished_ = true;
  return LoadResult::Loaded;
}

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

void MainWindow::ShutdownLink() {
  if (!flow_.StopDeviceForShutdown()) return; // the window went during the pause
  const auto text = [this](MainControl c) { return winkit::AnsiFromWide(winkit::WindowText(Control(c))); };
  WindowSettings settings;
  settings.limitUnitMode = flow_.State().LimitUnitMode;
  settings.lowLimit = text(MainControl::txtLimitLow);
  settings.highLimit = text(MainControl::txtLimitHigh);
  settings.printTitle = text(MainControl::txtPrintTitle);
  SaveWindowSettings(lib_.IniPath, settings);
  flow_.SetMeasuring(false);
  if (config_.link->LibraryFilePresent()) config_.link->USBStop();
}

void MainWindow::Unload() {
  if (Handle()) SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

// The close request never refuses; it takes the subclass out again.
void MainWindow::QueryUnload() {
  if (!subclassed_) return;
  winkit::RestoreWindowProc(Handle(), lib_.OldWndProc);
  subclassed_ = false;
}

void MainWindow::FormUnload() {
  if (!loaded_) {
    grid_.Detach();
    return;
  }
  loaded_ = false;
  if (MutexHandle) CloseHandle(MutexHandle);
  MutexHandle = nullptr;
  ShutdownLink();
  flow_.BringRunLogUpToDate(); // a last chance for lines still held
  grid_.Detach();
  if (config_.quitOnDestroy) PostQuitMessage(0);
}

} // namespace orva
