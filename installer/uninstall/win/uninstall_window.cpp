#include "installer/uninstall/win/uninstall_window.h"

#include "installer/common/driver_command.h"
#include "installer/common/file_lists.h"
#include "installer/common/path_rules.h"
#include "installer/common/shortcut_folder.h"
#include "installer/common/status_style.h"
#include "installer/common/win/routines.h"
#include "winkit/control_helpers.h"
#include "winkit/text.h"

#include <array>

namespace orva::uninstall {
namespace {

using namespace installer; // the shared control ids and routines

// Complete takes the place of Cancel, which is hidden by then.
constexpr auto kLayout = ToolLayout<3, 3>(1000, 2560, {{
    ToolButton(kCmdNext, 3960, 3720),
    ToolButton(kCmdCancel, 5600, 3720),
    ToolButton(kCmdExit, 5600, 3720),
}}, 4300);

constexpr auto kCaptions =
    ToolCaptions<3, 3>(L"Language", {{{kCmdNext, L"Next"}, {kCmdExit, L"Complete"}, {kCmdCancel, L"Command1"}}});

const installer::TextPair& Pair(Text id) { return TextPairOf(id); }

} // namespace

bool UninstallWindow::Create() {
  static constexpr ToolDesign design{kWindowClass, 7200, 4300, kLayout, kCaptions};
  if (!Build(design, kMessageTitle, nullptr)) return false;
  const Tool& tool = State();
  // 1. Status line on, Complete and the diagnostics off.
  winkit::Show(tool.LblDisp, true);
  winkit::Show(tool.CmdExit, false);
  winkit::Enable(tool.CmdExit, false);
  for (HWND label : {tool.LblOS, tool.LblWindows, tool.LblSystem}) winkit::Show(label, false);
  // 2. English, whatever the installation used.
  SelectLanguage(0);
  // 3. to 5.
  Status(Text::StartUninstallation);
  const std::wstring caption = winkit::WideFromUtf8(Pair(Text::WindowCaption).english);
  winkit::SetText(Handle(), caption);
  DrawBanner(tool, caption);
  ApplyCaptions();
  return true;
}

void UninstallWindow::ApplyCaptions() {
  const Tool& tool = State();
  const std::pair<int, Text> buttons[] = {{kCmdNext, Text::CmdNext}, {kCmdExit, Text::CmdExit},
                                          {kCmdCancel, Text::CmdCancel}};
  for (const auto& [id, text] : buttons) ApplyFont(tool, Control(id));
  for (const auto& [id, text] : buttons)
    winkit::SetUtf8Text(Control(id), PickText(tool.language, Pair(text)));
}

void UninstallWindow::Status(Text id) { installer::ShowStatus(State(), Pair(id), kAlignCentre, kBlack); }

void UninstallWindow::OnLanguage(int) {
  ApplyCaptions();
  Status(Text::StartUninstallation);
}

LRESULT UninstallWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Half an uninstallation cannot be undone: once Next's run has begun the
  // window stays until it ends (Cancel is hidden by then as well).
  if (msg == WM_CLOSE && StepRunning()) return 0;
  return ToolWindow::OnMessage(msg, wp, lp);
}

void UninstallWindow::OnClick(int id) {
  switch (id) {
  case kCmdNext: RunStep([this] { OnNext(); }); break;
  case kCmdExit:
  case kCmdCancel: RequestClose(); break;
  default: break;
  }
}

void UninstallWindow::OnNext() {
  const bool disk = IsFile(State().folder + kDiskMarker);
  switch (DecideNext(disk, MeasurementProgramRunning())) {
  case NextDecision::DiskRefused: Status(Text::DiskRefusal); return;
  case NextDecision::ProgramRunning: Status(Text::ProgramRunning); return;
  case NextDecision::Uninstall: RunUninstall(*this); return;
  }
}

void UninstallWindow::HideChoices() {
  winkit::Show(Control(kFrameLanguage), false);
  ShowNext(State(), false);
  ShowCancel(State(), false);
}

int UninstallWindow::DetectWindows() { return static_cast<int>(installer::DetectWindows(State())); }

UninstallSteps::Folders UninstallWindow::ReadSystemFolders() {
  installer::ReadSystemFolders(State());
  return {!State().WindowsFolder.empty(), !State().SystemFolder.empty()};
}

void UninstallWindow::ShowStatus(Text id) { Status(id); }

void UninstallWindow::ClearStatus() { installer::ShowStatus(State(), "", "", kAlignCentre, kBlack); }

void UninstallWindow::ShowMessage(Text id) { ShowToolMessage(State(), Pair(id)); }

void UninstallWindow::RunToolAndWait(const char* tool, const char* inf) {
  installer::RunToolAndWait(State(), tool, inf, DriverAction::Uninstall);
}

void UninstallWindow::DeleteFromFolder(const char* file, Folder folder) {
  installer::DeleteFromFolder(State(), file,
                              folder == Folder::Uninstaller ? State().folder : InfFolderOf(State().WindowsFolder));
}

void UninstallWindow::DeleteShortcut(ShortcutFolder folder) {
  const std::string where =
      SpecialFolderPath(folder == ShortcutFolder::Programs ? SpecialFolder::Programs : SpecialFolder::Desktop);
  if (where.empty()) return;
  const std::string link = WithBackslash(where) + kShortcutName;
  if (IsFile(link) && !DeleteFileA(link.c_str())) EndOnFileError(State(), GetLastError(), link);
}

void UninstallWindow::ShowComplete() { installer::ShowComplete(State()); }

} // namespace orva::uninstall
