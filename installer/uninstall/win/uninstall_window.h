// FrmUninstall: the uninstaller's one window on the installation tools'
// window base. Load, the language options, Next, Complete and Cancel; what
// Next does is decided in uninstall_run and carried out here through the
// shared installer routines.
// Its buttons, to the person uninstalling:
//   CmdNext      Next: removes the driver, the files and the shortcuts
//   CmdCancel    Cancel: ends the uninstaller, nothing removed
//   CmdExit      Complete: ends it after the removal, in Cancel's place
//   OptLanguage  English / Japanese, until Next
#pragma once

#include "installer/common/win/tool_window.h"
#include "installer/uninstall/uninstall_run.h"

namespace orva::uninstall {

inline constexpr wchar_t kWindowClass[] = L"OrvaFrmUninstall";
inline constexpr wchar_t kMessageTitle[] = L"UNINSTALL";

class UninstallWindow final : public installer::ToolWindow, private UninstallSteps {
public:
  // Creates the window (hidden) and runs its load; false when it could not be created.
  bool Create();

private:
  void OnLanguage(int index) override;
  void OnClick(int id) override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnNext();
  void ApplyCaptions();
  void Status(Text id);

  // UninstallSteps
  void HideChoices() override;
  int DetectWindows() override;
  Folders ReadSystemFolders() override;
  void ShowStatus(Text id) override;
  void ClearStatus() override;
  void ShowMessage(Text id) override;
  void RunToolAndWait(const char* tool, const char* inf) override;
  void DeleteFromFolder(const char* file, Folder folder) override;
  void DeleteShortcut(ShortcutFolder folder) override;
  void ShowComplete() override;
};

} // namespace orva::uninstall
