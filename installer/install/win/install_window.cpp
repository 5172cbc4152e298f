#include "installer/install/win/install_window.h"

#include "installer/common/common_texts.h"
#include "installer/common/file_lists.h"
#include "installer/common/path_rules.h"
#include "installer/common/win/routines.h"
#include "installer/install/install_texts.h"
#include "winkit/control_helpers.h"
#include "winkit/handle.h"
#include "winkit/help_open.h"
#include "winkit/program_folder.h"
#include "winkit/text.h"

#include <array>
#include <commdlg.h>

namespace orva::installer {
namespace {

using winkit::ControlKind;

constexpr auto kLayout = ToolLayout<5, 5>(1000, 2560, {{
    {kTxtInstallDir, ControlKind::Edit, 0, {240, 2640, 5160, 360}, ES_AUTOHSCROLL | WS_TABSTOP},
    {kCmdBrowse, ControlKind::Button, 0, {5600, 2610, 1360, 420}, BS_PUSHBUTTON | WS_TABSTOP},
    ToolButton(kCmdNext, 3960, 3720),
    ToolButton(kCmdExit, 3960, 3720),
    ToolButton(kCmdCancel, 5600, 3720),
}}, 4300);

constexpr auto kCaptions = ToolCaptions<4, 5>(
    L"Installer Language", {{{kCmdBrowse, L"Browse"}, {kCmdNext, L"Next"}, {kCmdExit, L"Complete"}, {kCmdCancel, L"Cancel"}}});

void SetMenuText(HMENU menu, UINT item, bool byPosition, const std::wstring& caption) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
  SetMenuItemInfoW(menu, item, byPosition, &info);
}

std::wstring Wide(const TextPair& pair, Language language) { return winkit::WideFromUtf8(PickText(language, pair)); }

} // namespace

InstallWindow::InstallWindow() : installerFolder_(winkit::ModuleFolder()), wizard_(*this, installerFolder_) {}

bool InstallWindow::Create() {
  menuBar_ = CreateMenu();
  helpMenu_ = CreatePopupMenu();
  AppendMenuW(helpMenu_, MF_STRING, kMenuHelp, L"help");
  AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(helpMenu_), L"help");
  static constexpr ToolDesign design{L"OrvaInstallWindow", 7200, 4300,
                                     kLayout,
                                     kCaptions};
  if (!Build(design, kInstallTitle, menuBar_)) return false;
  const Tool& tool = State();

  // 1. The folder choice waits for step 0.
  ShowFolderChoice(false);
  UpdateWindow(Handle());
  // 2. Status line on, Complete and the diagnostics off.
  winkit::Show(tool.LblDisp, true);
  winkit::Enable(tool.CmdExit, false);
  winkit::Show(tool.CmdExit, false);
  for (HWND label : {tool.LblOS, tool.LblWindows, tool.LblSystem, tool.LblSystemFile, tool.LblSystem32})
    winkit::Show(label, false);
  // 3. and 4. InstallStep is 0; the language from the marker file.
  SelectLanguage(IsFile(WithBackslash(installerFolder_) + kJapaneseMarker) ? 1 : 0);
  // 5. and 6.
  wizard_.ShowFirstPrompt();
  winkit::SetText(Handle(), kSetupCaption);
  DrawBanner(tool, kSetupCaption);
  return true;
}

void InstallWindow::OnLanguage(int) {
  const Tool& tool = State();
  const Language language = tool.language;
  const std::pair<int, InstallText> buttons[] = {{kCmdBrowse, InstallText::Browse},
                                                 {kCmdNext, InstallText::Next},
                                                 {kCmdExit, InstallText::Complete},
                                                 {kCmdCancel, InstallText::Cancel}};
  for (const auto& [id, text] : buttons) {
    ApplyFont(tool, Control(id));
    winkit::SetUtf8Text(Control(id), PickText(language, TextPairOf(text)));
  }
  SetMenuText(helpMenu_, kMenuHelp, false, Wide(TextPairOf(InstallText::Help), language));
  SetMenuText(menuBar_, 0, true, Wide(TextPairOf(InstallText::Help), language));
  DrawMenuBar(Handle());
  wizard_.OnLanguageChosen();
}

void InstallWindow::OnClick(int id) {
  switch (id) {
  case kCmdNext: RunStep([this] { wizard_.OnNext(); }); break;
  case kCmdBrowse: OnCmdBrowseClick(); break;
  case kCmdExit: RunStep([this] { wizard_.OnComplete(); }); break;
  case kCmdCancel: RequestClose(); break;
  case kMenuHelp: OnMhelpClick(); break;
  default: break;
  }
}

void InstallWindow::OnCmdBrowseClick() {
  // The save dialog stands in for a folder choice: the folder the user
  // stands in when pressing Save is taken; no file is created.
  const std::wstring title = Wide(TextPairOf(InstallText::SaveTitle), State().language);
  wchar_t file[MAX_PATH] = L"ORVA";
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Handle();
  ofn.lpstrFilter = L"(*.*)\0*.*\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrInitialDir = L"C:\\";
  ofn.lpstrTitle = title.c_str();
  ofn.Flags = OFN_EXPLORER;
  if (!GetSaveFileNameW(&ofn)) return; // cancel or a dialog error leaves the text as it was
  HWND box = Control(kTxtInstallDir);
  ApplyFont(State(), box);
  winkit::SetAnsiText(box, FolderPartOf(winkit::AnsiFromWide(file)));
}

void InstallWindow::OnMhelpClick() { winkit::OpenHelp(InstallerHelpPath(installerFolder_, State().language)); }

// WizardHost

void InstallWindow::ShowStatus(const TextPair& t, int alignment, unsigned colour) {
  installer::ShowStatus(State(), t, alignment, colour);
}
void InstallWindow::Message(const TextPair& t) { ShowToolMessage(State(), t); }
void InstallWindow::ShowNext(bool shown) { installer::ShowNext(State(), shown); }
void InstallWindow::ShowCancel(bool shown) { installer::ShowCancel(State(), shown); }
void InstallWindow::ShowComplete() { installer::ShowComplete(State()); }

void InstallWindow::ShowFolderChoice(bool shown) {
  winkit::Show(Control(kTxtInstallDir), shown);
  winkit::Show(Control(kCmdBrowse), shown);
  winkit::Enable(Control(kCmdBrowse), shown);
  UpdateWindow(Handle());
}

void InstallWindow::HideLanguageFrame() { winkit::Show(Control(kFrameLanguage), false); }

std::string InstallWindow::FolderText() { return winkit::AnsiFromWide(winkit::WindowText(Control(kTxtInstallDir))); }

void InstallWindow::SetFolderText(const std::string& t) {
  winkit::SetAnsiText(Control(kTxtInstallDir), t);
}

void InstallWindow::SetSystem32Label(const std::string& t) {
  winkit::SetAnsiText(State().LblSystem32, t);
}

bool InstallWindow::Closed() { return State().closed; }
void InstallWindow::CloseWindow() { RequestClose(); }
WindowsKind InstallWindow::DetectWindows() { return installer::DetectWindows(State()); }

void InstallWindow::ReadSystemFolders(std::string& windowsFolder, std::string& systemFolder) {
  installer::ReadSystemFolders(State());
  windowsFolder = State().WindowsFolder;
  systemFolder = State().SystemFolder;
}

bool InstallWindow::IsFolder(const std::string& path) { return installer::IsFolder(path); }
void InstallWindow::CreateFolder(const std::string& path) { installer::CreateFolder(State(), path); }

void InstallWindow::CopyToFolder(const std::string& fileName, const std::string& folder) {
  installer::CopyToFolder(State(), fileName, folder, TextPairOf(CommonText::CopyFilesStatus));
}

void InstallWindow::CopyFile(const std::string& source, const std::string& target) {
  CopyFileOver(State(), source, target);
}

void InstallWindow::InstallSystemControl(const std::string& fileName) {
  installer::InstallSystemControl(State(), fileName, false);
}

void InstallWindow::PauseSeconds(double seconds) { installer::PauseSeconds(State(), seconds); }

bool InstallWindow::RunToolAndWait(const std::string& toolName, const std::string& infName) {
  return installer::RunToolAndWait(State(), toolName, infName, DriverAction::Install);
}

bool InstallWindow::MeasurementProgramRunning() { return installer::MeasurementProgramRunning(); }

void InstallWindow::CreateShortcut(SpecialFolder folder, const std::string& target,
                                   const std::string& workingDirectory) {
  const std::string place = SpecialFolderPath(folder);
  if (place.empty()) return;
  installer::CreateShortcut(State(), WithBackslash(place) + kShortcutName, target, workingDirectory);
}

void InstallWindow::WriteHandleFile(const std::string& path) {
  winkit::UniqueHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) EndOnFileError(State(), GetLastError(), path);
  const std::string line =
      std::to_string(static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(Handle()))) + "\r\n";
  DWORD written = 0;
  if (!WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
      written != line.size())
    EndOnFileError(State(), GetLastError(), path);
}

bool InstallWindow::LaunchProgram(const std::string& path) {
  return installer::LaunchProgram(State(), path, kCannotStartDirsweep);
}

} // namespace orva::installer
