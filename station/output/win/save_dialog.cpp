#include "station/output/win/save_dialog.h"

#include "station/output/results_file.h"
#include "winkit/files.h"
#include "winkit/message_box.h"
#include "winkit/text.h"

#include <commdlg.h>

namespace orva {
namespace {

std::optional<std::string> RealSaveDialog(HWND owner, const SaveDialogRequest& request) {
  char name[MAX_PATH] = {};
  request.fileName.copy(name, MAX_PATH - 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = request.filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  ofn.lpstrFile = name;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = request.flags;
  ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
  ofn.lpstrDefExt = nullptr; // the name is used as typed: no extension added
  if (!GetSaveFileNameA(&ofn)) return std::nullopt; // Cancel, or a failure of the dialog
  return std::string(name);
}

SaveDialogFn& Current() {
  static SaveDialogFn fn = RealSaveDialog;
  return fn;
}

} // namespace

std::optional<std::string> ShowSaveDialog(HWND owner, const SaveDialogRequest& request) {
  return Current()(owner, request);
}

std::optional<std::string> ChooseFileToSave(HWND owner, const SaveDialogRequest& request,
                                            std::string_view curLanguage) {
  std::optional<std::string> chosen = ShowSaveDialog(owner, request);
  if (!chosen || chosen->empty()) return std::nullopt;
  if (winkit::FileExists(*chosen)) {
    const int answer = winkit::ShowMessageBox(
        owner, winkit::WideFromUtf8(OverwriteQuestion(curLanguage, winkit::Utf8FromAnsi(*chosen))),
        winkit::WideFromUtf8(OverwriteTitle(curLanguage)), MB_YESNO | MB_DEFBUTTON1);
    if (answer != IDYES) return std::nullopt;
  }
  return chosen;
}

SaveDialogFn SetSaveDialogFn(SaveDialogFn fn) {
  const SaveDialogFn before = Current();
  Current() = fn ? fn : RealSaveDialog;
  return before;
}

} // namespace orva
