#include "installer/uninstall/uninstall_run.h"

#include <array>

namespace orva::uninstall {
namespace {

// What the installer copies into the program folder, less UNINSTALL.EXE and
// the runtime files, with the launcher that the installer never copies.
constexpr std::array<const char*, 21> kFiles = {
    "msflxgrd.ocx",  "COMDLG32.OCX",  "windrvr6.sys",    "windrvr6.inf",    "wdreg_gui.exe",
    "wdreg.exe",     "wdreg16.exe",   "LinkKeeper.exe",  "ORVA.exe",        "ORVA.ini",
    "ORVA.inf",      "meterlink.dll", "ORVAhelpE.chm",   "ORVAhelpJ.chm",   "SetuphelpEN.chm",
    "SetuphelpJP.chm", "SETUP.EXE",   "INSTALL.EXE",     "DIRSWEEP.EXE",    "DIR.TXT",
    "JP.TXT"};

constexpr std::array<const char*, 2> kInfFiles = {"windrvr6.inf", "ORVA.inf"};

constexpr DriverStep Status(Text id) { return {false, id, nullptr, nullptr}; }
constexpr DriverStep Run(const char* tool, const char* inf) { return {true, Text::Count, tool, inf}; }

constexpr std::array<DriverStep, 4> kKind1 = {
    Run("wdreg16.exe", "ORVA.inf"), Status(Text::UninstallingOrva),
    Run("wdreg16.exe", "windrvr6.inf"), Status(Text::UninstallingDriver)};
constexpr std::array<DriverStep, 4> kKind2 = {
    Status(Text::UninstallingOrva), Run("wdreg_gui.exe", "ORVA.inf"),
    Status(Text::UninstallingDriver), Run("wdreg_gui.exe", "windrvr6.inf")};
constexpr std::array<DriverStep, 2> kKind3 = {
    Status(Text::UninstallingDriver), Run("wdreg.exe", "windrvr6.inf")};

} // namespace

NextDecision DecideNext(bool diskMarkerPresent, bool programRunning) {
  if (diskMarkerPresent) return NextDecision::DiskRefused;
  if (programRunning) return NextDecision::ProgramRunning;
  return NextDecision::Uninstall;
}

std::span<const char* const> UninstalledFiles() { return kFiles; }

std::span<const char* const> WindowsInfFiles() { return kInfFiles; }

std::span<const DriverStep> DriverRemovalSteps(int windowsKind) {
  switch (windowsKind) {
  case 1: return kKind1;
  case 2: return kKind2;
  case 3: return kKind3;
  default: return {};
  }
}

void RunUninstall(UninstallSteps& steps) {
  steps.HideChoices();
  const int kind = steps.DetectWindows();
  const auto folders = steps.ReadSystemFolders();
  if (!folders.windows || !folders.system) {
    steps.ShowMessage(Text::SystemFolderNotFound);
  } else {
    for (const DriverStep& step : DriverRemovalSteps(kind)) {
      if (step.run)
        steps.RunToolAndWait(step.tool, step.inf);
      else
        steps.ShowStatus(step.status);
    }
  }
  steps.ShowStatus(Text::DeleteFiles);
  for (const char* file : kFiles) steps.DeleteFromFolder(file, Folder::Uninstaller);
  if (folders.windows)
    for (const char* file : kInfFiles) steps.DeleteFromFolder(file, Folder::WindowsInf);
  steps.DeleteShortcut(ShortcutFolder::Programs);
  steps.DeleteShortcut(ShortcutFolder::Desktop);
  steps.ClearStatus();
  steps.ShowComplete();
}

} // namespace orva::uninstall
