// FormSetup: the setup launcher's window on the install disk. A layout
// table, the language handler and the Next and Cancel handlers; the pass
// itself is RunSetup, for which this window is the host.
// Its buttons, to the person installing:
//   CmdNext      Next: copies the disk to the temporary folder and starts
//                the installer from there
//   CmdCancel    Cancel: ends the launcher, nothing copied
//   OptLanguage  English / Japanese: the language of the launcher and of
//                the installer it starts
#pragma once

#include "installer/common/program_names.h"
#include "installer/common/win/tool_window.h"
#include "installer/setup/setup_steps.h"

namespace orva::installer {

inline constexpr wchar_t kSetupTitle[] = L"SETUP";        // message boxes

class SetupWindow final : public ToolWindow, private SetupHost {
public:
  bool Create(); // Form_Load; the caller shows the window

private:
  void OnLanguage(int index) override;
  void OnClick(int id) override;

  // SetupHost
  void ShowStatus(const TextPair& text, int alignment, unsigned colour) override;
  void HideNext() override;
  void ReadSystemFolders(std::string& windowsFolder, std::string& systemFolder) override;
  void InstallSystemControl(const std::string& fileName) override;
  bool IsFolder(const std::string& path) override;
  void CreateFolder(const std::string& path) override;
  void CopyToFolder(const std::string& fileName, const std::string& folder) override;
  bool LaunchProgram(const std::string& path) override;
  void CloseWindow() override;
};

} // namespace orva::installer
