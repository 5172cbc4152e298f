// The save dialog DialogFileSave as one small seam: the program shows
// GetSaveFileNameA; in-process tests put a chooser in its place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <windows.h>

namespace orva {

struct SaveDialogRequest {
  std::string filter;      // NUL-separated, doubly NUL-ended
  std::string fileName;    // initial name
  int filterIndex = 1;     // 1-based
  std::uint32_t flags = 0; // OFN_...
  std::string initialFolder; // ANSI; empty: the dialog's own choice
};

// The chosen full name (ANSI), or nothing on Cancel or any dialog failure.
using SaveDialogFn = std::optional<std::string> (*)(HWND owner, const SaveDialogRequest& request);

std::optional<std::string> ShowSaveDialog(HWND owner, const SaveDialogRequest& request);

// The save dialog, then the overwrite question when the chosen file exists
// (the default button is Yes). The chosen name, or nothing on Cancel, on an
// empty name or when the operator keeps the existing file.
std::optional<std::string> ChooseFileToSave(HWND owner, const SaveDialogRequest& request,
                                            std::string_view curLanguage);

// Replaces the function behind ShowSaveDialog; nullptr restores the real
// dialog. Returns the one in place before.
SaveDialogFn SetSaveDialogFn(SaveDialogFn fn);

} // namespace orva
