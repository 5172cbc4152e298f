// The installer's wizard: its steps and the state InstallStep, apart from
// the window. The window implements WizardHost by passing each call to its
// controls or to the shared installer routines, and calls the wizard from
// its Next, Complete and language handlers.
#pragma once

#include "installer/common/language.h"
#include "installer/common/shortcut_folder.h"
#include "installer/common/status_style.h"
#include "installer/common/windows_kind.h"

#include <cstdint>
#include <string>

namespace orva::installer {

class WizardHost {
public:
  virtual ~WizardHost() = default;

  // the window
  virtual void ShowStatus(const TextPair& text, int alignment, unsigned colour) = 0;
  virtual void Message(const TextPair& text) = 0; // OK only, no icon, the tool's title
  virtual void ShowNext(bool shown) = 0;
  virtual void ShowCancel(bool shown) = 0;
  virtual void ShowComplete() = 0;
  virtual void ShowFolderChoice(bool shown) = 0; // txtInstallDir and CmdBrowse
  virtual void HideLanguageFrame() = 0;
  virtual std::string FolderText() = 0;
  virtual void SetFolderText(const std::string& text) = 0;
  virtual void SetSystem32Label(const std::string& text) = 0;
  // True once the window was closed or cancelled during a wait: the wizard
  // then drops its remaining steps.
  virtual bool Closed() = 0;
  virtual void CloseWindow() = 0;

  // the shared routines and the platform
  virtual WindowsKind DetectWindows() = 0;
  virtual void ReadSystemFolders(std::string& windowsFolder, std::string& systemFolder) = 0;
  virtual bool IsFolder(const std::string& path) = 0;
  virtual void CreateFolder(const std::string& path) = 0;
  virtual void CopyToFolder(const std::string& fileName, const std::string& folder) = 0;
  virtual void CopyFile(const std::string& source, const std::string& target) = 0;
  virtual void InstallSystemControl(const std::string& fileName) = 0;
  virtual void PauseSeconds(double seconds) = 0;
  virtual bool RunToolAndWait(const std::string& toolName, const std::string& infName) = 0;
  virtual bool MeasurementProgramRunning() = 0;
  virtual void CreateShortcut(SpecialFolder folder, const std::string& target,
                              const std::string& workingDirectory) = 0;
  virtual void WriteHandleFile(const std::string& path) = 0;
  virtual bool LaunchProgram(const std::string& path) = 0;
};

inline constexpr char kDefaultInstallRoot[] = "C:\\Program Files\\ORVA\\";

class InstallWizard {
public:
  // installerFolder: the folder INSTALL.EXE runs from, as the system gives it.
  InstallWizard(WizardHost& host, std::string installerFolder);

  std::int16_t InstallStep() const { return step_; }
  const std::string& ProgramFolder() const { return programFolder_; }
  // Whether a step is running (it may be waiting for a driver tool).
  bool Busy() const { return busy_; }

  void ShowFirstPrompt();
  void OnLanguageChosen(); // after the window applied its captions
  void OnNext();
  void OnComplete();

private:
  void FolderStep();
  void CopyStep();
  void MeterDriverStep();
  void Win9xDriverStep();
  void Finish();

  WizardHost& host_;
  std::string installerFolder_;
  std::string programFolder_;
  std::int16_t step_ = 0;
  bool busy_ = false;
};

// The installer help beside the installer: SetuphelpJP.chm for Japanese,
// else SetuphelpEN.chm.
std::string InstallerHelpPath(const std::string& installerFolder, Language language);

} // namespace orva::installer
