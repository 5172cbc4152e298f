// The save dialog DialogFileSave as one small seam: the program shows
// GetSaveFileNameA; in-process tests put a chooser in its place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <windows.h>

namespace orva {

struct SaveDialogRequest {
  std::string filter;      // NUL-separated, doubly NUL-ended
  std::string fileName;    // initial name
  int filterIndex = 1;     // 1-based
  std::uint32_t flags = 0; // OFN_...
};

// The chosen full name (ANSI), or nothing on Cancel or any dialog failure.
using SaveDialogFn = std::optional<std::string> (*)(HWND owner, const SaveDialogRequest& request);

std::optional<std::string> ShowSaveDialog(HWND owner, const SaveDialogRequest& request);

// Replaces the function behind ShowSaveDialog; nullptr restores the real
// dialog. Returns the one in place before.
SaveDialogFn SetSaveDialogFn(SaveDialogFn fn);

} // namespace orva
