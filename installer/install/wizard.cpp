#include "installer/install/wizard.h"

#include "installer/common/file_lists.h"
#include "installer/common/path_rules.h"
#include "installer/install/install_texts.h"

namespace orva::installer {
namespace {

// Marks a step as running for as long as it lasts, also when a file error
// unwinds it.
class BusyScope {
public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

private:
  bool& busy_;
};

} // namespace

InstallWizard::InstallWizard(WizardHost& host, std::string installerFolder)
    : host_(host), installerFolder_(std::move(installerFolder)) {}

void InstallWizard::ShowFirstPrompt() {
  if (host_.DetectWindows() == WindowsKind::Win9x)
    host_.ShowStatus(TextPairOf(InstallText::SwitchOffPrompt), kAlignLeft, kRed);
  else
    host_.ShowStatus(TextPairOf(InstallText::ConnectPrompt), kAlignLeft, kRed);
}

void InstallWizard::OnLanguageChosen() {
  if (step_ == 0) ShowFirstPrompt();
}

void InstallWizard::OnNext() {
  if (busy_) return;
  BusyScope busy(busy_);
  switch (step_) {
  case 0: FolderStep(); break;
  case 1: CopyStep(); break;
  case 2: MeterDriverStep(); break;
  case 3: Win9xDriverStep(); break;
  default: break;
  }
}

void InstallWizard::FolderStep() {
  host_.ShowStatus(TextPairOf(InstallText::SelectFolder), kAlignCentre, kBlack);
  if (ContainsBlank(installerFolder_)) {
    host_.Message(TextPairOf(InstallText::RunSetupFromDisk));
    return;
  }
  host_.SetFolderText(kDefaultInstallRoot);
  host_.ShowFolderChoice(true);
  host_.HideLanguageFrame();
  step_ = 1;
}

void InstallWizard::CopyStep() {
  host_.ShowNext(false);
  const std::string root = host_.FolderText();
  programFolder_ = ProgramFolderFor(root);
  if (root.empty()) {
    host_.Message(TextPairOf(InstallText::BadFolderName));
    host_.ShowNext(true);
    step_ = 0;
    return;
  }
  if (WithBackslash(installerFolder_) == programFolder_) {
    host_.Message(TextPairOf(InstallText::RunSetupFromDisk));
    host_.ShowNext(true);
    step_ = 0;
    return;
  }
  if (host_.MeasurementProgramRunning()) {
    host_.Message(TextPairOf(InstallText::CloseMeasurementProgram));
    host_.ShowNext(true); // still on the folder step, the folder box still shown
    return;
  }

  for (const std::string& level : FolderLevels(programFolder_))
    if (!host_.IsFolder(level)) host_.CreateFolder(level);
  host_.ShowFolderChoice(false);
  host_.ShowStatus(TextPairOf(InstallText::CopyFiles), kAlignCentre, kBlack);
  for (std::string_view file : kInstallFiles)
    if (!file.empty()) host_.CopyToFolder(std::string(file), programFolder_);

  const WindowsKind kind = host_.DetectWindows();
  std::string windowsFolder, systemFolder;
  host_.ReadSystemFolders(windowsFolder, systemFolder);
  if (systemFolder.empty() || windowsFolder.empty()) {
    host_.Message(TextPairOf(InstallText::NoSystemFolder));
    step_ = 0;
    return;
  }
  for (std::string_view control : kSystemControls) host_.InstallSystemControl(std::string(control));

  switch (kind) {
  case WindowsKind::Win9x: {
    host_.SetSystem32Label("");
    const std::string system32 = windowsFolder + "\\system32";
    if (!host_.IsFolder(system32)) {
      host_.Message(TextPairOf(InstallText::NoSystem32));
      step_ = 0;
      return;
    }
    host_.SetSystem32Label(system32);
    host_.ShowStatus(TextPairOf(InstallText::CopyFiles), kAlignCentre, kBlack);
    const std::string source = WithBackslash(installerFolder_);
    host_.CopyFile(source + "windrvr6.sys", system32 + "\\drivers\\" + "windrvr6.sys");
    host_.CopyFile(source + "windrvr6.inf", windowsFolder + "\\inf\\" + "windrvr6.inf");
    host_.CopyFile(source + "ORVA.inf", windowsFolder + "\\inf\\" + "ORVA.inf");
    host_.ShowStatus(TextPairOf(InstallText::SwitchOffPrompt), kAlignLeft, kRed);
    host_.ShowNext(true);
    step_ = 3;
    return;
  }
  case WindowsKind::ModernNt: {
    host_.ShowStatus(TextPairOf(InstallText::InstallingDriver), kAlignCentre, kBlack);
    host_.PauseSeconds(1);
    if (host_.Closed()) return;
    const bool ran = host_.RunToolAndWait("wdreg_gui.exe", "windrvr6.inf");
    if (host_.Closed()) return;
    if (!ran) {
      step_ = 0;
      return;
    }
    host_.ShowStatus(TextPairOf(InstallText::ConnectAndSwitchOn), kAlignLeft, kRed);
    host_.ShowNext(true);
    step_ = 2;
    return;
  }
  case WindowsKind::OldNt:
    host_.Message(TextPairOf(InstallText::KindNotAvailable));
    step_ = 0;
    return;
  case WindowsKind::Unknown:
    return; // step stays 1, Next stays hidden
  }
}

void InstallWizard::MeterDriverStep() {
  host_.ShowNext(false);
  host_.ShowStatus(TextPairOf(InstallText::InstallingMeter), kAlignCentre, kBlack);
  host_.PauseSeconds(1);
  if (host_.Closed()) return;
  const bool ran = host_.RunToolAndWait("wdreg_gui.exe", "ORVA.inf");
  if (host_.Closed()) return;
  if (!ran) {
    host_.ShowStatus(TextPairOf(InstallText::DriverFailed), kAlignCentre, kBlack);
    step_ = 0;
    return;
  }
  host_.ShowStatus(TextPairOf(InstallText::WizardMayFinish), kAlignLeft, kRed);
  Finish();
}

void InstallWizard::Win9xDriverStep() {
  host_.ShowNext(false);
  host_.ShowStatus(TextPairOf(InstallText::CancelWizardSwitchOn), kAlignLeft, kRed);
  const bool ran = host_.RunToolAndWait("wdreg16.exe", "windrvr6.inf");
  if (host_.Closed()) return;
  if (!ran) {
    host_.ShowStatus(TextPairOf(InstallText::DriverFailed), kAlignCentre, kBlack);
    step_ = 0;
    return;
  }
  host_.ShowStatus(TextPairOf(InstallText::CancelWizardSwitchOn), kAlignLeft, kRed);
  Finish();
}

void InstallWizard::Finish() {
  host_.ShowNext(false);
  host_.ShowCancel(false);
  host_.ShowComplete();
  const std::string target = programFolder_ + "ORVA.exe";
  host_.CreateShortcut(SpecialFolder::Desktop, target, programFolder_);
  host_.CreateShortcut(SpecialFolder::Programs, target, programFolder_);
  step_ = 4;
}

void InstallWizard::OnComplete() {
  host_.WriteHandleFile(WithBackslash(installerFolder_) + kHandleFile);
  host_.LaunchProgram(programFolder_ + "DIRSWEEP.EXE");
  host_.CloseWindow();
}

std::string InstallerHelpPath(const std::string& installerFolder, Language language) {
  return WithBackslash(installerFolder) + (language == kLanguageJapanese ? "SetuphelpJP.chm" : "SetuphelpEN.chm");
}

} // namespace orva::installer
