// What Next of the uninstaller decides and does, in order, acting through
// UninstallSteps: the window binds these to its controls and to the shared
// installer routines, tests to a recorder.
#pragma once

#include "installer/uninstall/uninstall_texts.h"

#include <span>

namespace orva::uninstall {

enum class NextDecision {
  DiskRefused,    // "Disk.txt" beside the uninstaller: it runs from the install disk
  ProgramRunning, // ORVA.exe holds its files open: nothing may be deleted now
  Uninstall,
};

// The disk comes first: a program running elsewhere does not make the disk
// a place to uninstall from. Both refusals leave Next available.
NextDecision DecideNext(bool diskMarkerPresent, bool programRunning);

// Files deleted from the uninstaller's own folder, in the order of deletion.
// UNINSTALL.EXE is not among them: it cannot delete itself while it runs.
std::span<const char* const> UninstalledFiles();

// Files deleted from the Windows "inf" folder afterwards, in order.
std::span<const char* const> WindowsInfFiles();

// One step of the driver removal for a Windows kind: a status line or a run
// of a driver tool on an INF file.
struct DriverStep {
  bool run;         // false: show `status`
  Text status;
  const char* tool; // run: the tool in the uninstaller folder
  const char* inf;  // run: the INF file in the Windows "inf" folder
};

// Kind 1 shows each status after its run, kind 2 before it; kind 3 has one
// run, kind 0 (and any unknown kind) none.
std::span<const DriverStep> DriverRemovalSteps(int windowsKind);

enum class Folder { Uninstaller, WindowsInf };
enum class ShortcutFolder { Programs, Desktop };

class UninstallSteps {
public:
  virtual ~UninstallSteps() = default;
  // Hides the language frame, Next and Cancel: there is no way back now.
  virtual void HideChoices() = 0;
  virtual int DetectWindows() = 0;
  // Which of the two folders the platform reported.
  struct Folders {
    bool windows, system;
  };
  virtual Folders ReadSystemFolders() = 0;
  virtual void ShowStatus(Text id) = 0; // centred, black
  virtual void ClearStatus() = 0;
  virtual void ShowMessage(Text id) = 0; // OK only; the run goes on after it
  // The result is not used: the removal goes on whatever the tool did.
  virtual void RunToolAndWait(const char* tool, const char* inf) = 0;
  // Deletes the file if it is there and shows its status line either way; a
  // file that cannot be deleted ends the program.
  virtual void DeleteFromFolder(const char* file, Folder folder) = 0;
  // Deletes ORVA.exe.lnk from that folder if the folder is known and it is there.
  virtual void DeleteShortcut(ShortcutFolder folder) = 0;
  virtual void ShowComplete() = 0;
};

// The whole removal in one pass, after DecideNext said Uninstall. Without a
// Windows folder the INF files are left alone: their folder would otherwise
// become a relative "inf" below whatever the current folder is.
void RunUninstall(UninstallSteps& steps);

} // namespace orva::uninstall
