#include "installer/setup/win/setup_window.h"

#include "installer/common/common_texts.h"
#include "installer/common/status_style.h"
#include "installer/common/win/routines.h"
#include "installer/setup/setup_texts.h"
#include "winkit/control_helpers.h"
#include "winkit/text.h"

#include <array>

namespace orva::installer {
namespace {

constexpr auto kLayout = ToolLayout<2, 5>(700, 2280, {{
    ToolButton(kCmdNext, 3960, 3420),
    ToolButton(kCmdCancel, 5600, 3420),
}}, 4000);

constexpr auto kCaptions = ToolCaptions<2, 5>(L"Installer Language", {{{kCmdNext, L"Next"}, {kCmdCancel, L"Cancel"}}});

} // namespace

bool SetupWindow::Create() {
  static constexpr ToolDesign design{L"OrvaSetupWindow", 7200, 4000, kLayout, kCaptions};
  if (!Build(design, kSetupTitle, nullptr)) return false;
  const Tool& tool = State();
  winkit::Show(tool.LblDisp, true);
  for (HWND label : {tool.LblOS, tool.LblWindows, tool.LblSystem, tool.LblSystemFile, tool.LblSystem32})
    winkit::Show(label, false);
  SelectLanguage(0);
  installer::ShowStatus(tool, TextPairOf(SetupText::StartInstallation), kAlignCentre, kRed);
  winkit::SetText(Handle(), kSetupCaption);
  DrawBanner(tool, kSetupCaption);
  return true;
}

void SetupWindow::OnLanguage(int) {
  const Tool& tool = State();
  ApplyFont(tool, tool.CmdNext);
  ApplyFont(tool, tool.CmdCancel);
  winkit::SetUtf8Text(tool.CmdNext, PickText(tool.language, TextPairOf(SetupText::Next)));
  winkit::SetUtf8Text(tool.CmdCancel, PickText(tool.language, TextPairOf(SetupText::Cancel)));
  installer::ShowStatus(tool, TextPairOf(SetupText::StartInstallation), kAlignCentre, kRed);
}

void SetupWindow::OnClick(int id) {
  if (id == kCmdNext) RunStep([this] { RunSetup(*this, State().language); });
  if (id == kCmdCancel) RequestClose();
}

// SetupHost

void SetupWindow::ShowStatus(const TextPair& t, int alignment, unsigned colour) {
  installer::ShowStatus(State(), t, alignment, colour);
}

void SetupWindow::HideNext() { ShowNext(State(), false); }

void SetupWindow::ReadSystemFolders(std::string& windowsFolder, std::string& systemFolder) {
  installer::ReadSystemFolders(State());
  windowsFolder = State().WindowsFolder;
  systemFolder = State().SystemFolder;
}

void SetupWindow::InstallSystemControl(const std::string& fileName) {
  installer::InstallSystemControl(State(), fileName, true);
}

bool SetupWindow::IsFolder(const std::string& path) { return installer::IsFolder(path); }
void SetupWindow::CreateFolder(const std::string& path) { installer::CreateFolder(State(), path); }

void SetupWindow::CopyToFolder(const std::string& fileName, const std::string& folder) {
  installer::CopyToFolder(State(), fileName, folder, TextPairOf(CommonText::CopyFileStatus));
}

bool SetupWindow::LaunchProgram(const std::string& path) {
  return installer::LaunchProgram(State(), path, kCannotStartInstaller);
}

void SetupWindow::CloseWindow() { RequestClose(); }

} // namespace orva::installer
