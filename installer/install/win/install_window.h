// frmInstall: the installer's window. A layout table, the captions of the
// language handler and short OnX handlers; the steps themselves are the
// InstallWizard, for which this window is the host.
// Its buttons, to the person installing:
//   CmdNext      Next: the wizard's next step
//   CmdBrowse    Browse: picks the program folder (on the folder step)
//   CmdCancel    Cancel: ends the installer; what was copied stays
//   CmdExit      Complete: the last step, starts the folder remover and ends
//   OptLanguage  English / Japanese, until the first Next
//   help menu    the installing person's help
#pragma once

#include "installer/common/program_names.h"
#include "installer/common/win/tool_window.h"
#include "installer/install/wizard.h"

#include <string>

namespace orva::installer {

inline constexpr wchar_t kInstallTitle[] = L"INSTALL";   // message boxes

class InstallWindow final : public ToolWindow, private WizardHost {
public:
  InstallWindow();
  // Form_Load: builds the window, sets the language from "JP.TXT", shows the
  // first prompt; the window is shown afterwards by the caller.
  bool Create();
  const InstallWizard& Wizard() const { return wizard_; }

private:
  void OnLanguage(int index) override;
  void OnClick(int id) override;
  void OnCmdBrowseClick();
  void OnMhelpClick();

  // WizardHost
  void ShowStatus(const TextPair& text, int alignment, unsigned colour) override;
  void Message(const TextPair& text) override;
  void ShowNext(bool shown) override;
  void ShowCancel(bool shown) override;
  void ShowComplete() override;
  void ShowFolderChoice(bool shown) override;
  void HideLanguageFrame() override;
  std::string FolderText() override;
  void SetFolderText(const std::string& text) override;
  void SetSystem32Label(const std::string& text) override;
  bool Closed() override;
  void CloseWindow() override;
  WindowsKind DetectWindows() override;
  void ReadSystemFolders(std::string& windowsFolder, std::string& systemFolder) override;
  bool IsFolder(const std::string& path) override;
  void CreateFolder(const std::string& path) override;
  void CopyToFolder(const std::string& fileName, const std::string& folder) override;
  void CopyFile(const std::string& source, const std::string& target) override;
  void InstallSystemControl(const std::string& fileName) override;
  void PauseSeconds(double seconds) override;
  bool RunToolAndWait(const std::string& toolName, const std::string& infName) override;
  bool MeasurementProgramRunning() override;
  void CreateShortcut(SpecialFolder folder, const std::string& target,
                      const std::string& workingDirectory) override;
  void WriteHandleFile(const std::string& path) override;
  bool LaunchProgram(const std::string& path) override;

  std::string installerFolder_;
  InstallWizard wizard_;
  HMENU menuBar_ = nullptr, helpMenu_ = nullptr;
};

} // namespace orva::installer
