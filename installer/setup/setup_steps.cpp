#include "installer/setup/setup_steps.h"

#include "installer/common/file_lists.h"
#include "installer/common/path_rules.h"
#include "installer/common/status_style.h"
#include "installer/setup/setup_texts.h"

namespace orva::installer {

void RunSetup(SetupHost& host, Language language) {
  host.ShowStatus(TextPairOf(SetupText::StartInstallation), kAlignCentre, kRed);
  host.HideNext();

  std::string windowsFolder, systemFolder;
  host.ReadSystemFolders(windowsFolder, systemFolder);
  if (!systemFolder.empty() && !windowsFolder.empty())
    for (std::string_view control : kSystemControls) host.InstallSystemControl(std::string(control));

  const std::string temp = kTempFolder;
  if (!host.IsFolder(WithBackslash(temp))) {
    host.CreateFolder(WithBackslash(temp));
    host.CopyToFolder(kDirMarker, temp);
  }
  if (language == kLanguageJapanese) host.CopyToFolder(kJapaneseMarker, temp);
  for (std::string_view file : kSetupFiles)
    if (!file.empty()) host.CopyToFolder(std::string(file), temp);

  host.ShowStatus(TextPairOf(SetupText::PleaseWait), kAlignCentre, kBlack);
  host.LaunchProgram(WithBackslash(temp) + "INSTALL.EXE");
  host.CloseWindow();
}

} // namespace orva::installer
