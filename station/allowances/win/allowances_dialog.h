// Tool > Allowances...: the list of named allowances in a modal dialog of
// the station's own. Use chooses the selected entry (only while the limits
// can be edited); New, Edit, Delete, Move Up and Move Down manage the list;
// Import reads a CSV file into it and reports the refused lines below the
// list; Export writes it as CSV. Every change is stored at once (`store`).
#pragma once

#include "station/allowances/allowance_list.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <windows.h>

namespace orva {

struct AllowancesChoice {
  std::string curLanguage;
  AllowanceList* list = nullptr; // changed in place
  bool limitsEditable = true;
  std::string activeName; // selected when the dialog opens
  std::string report;     // shown when the dialog opens (the list file's refused lines)
  std::string listPath;   // ANSI, named when the list cannot be written
  std::function<bool()> store; // writes the list; false: it could not be
  std::optional<std::size_t> chosen; // out: the entry Use chose
};

// True when an entry was chosen (choice.chosen); false when the dialog was
// closed without (the list may have changed all the same).
bool ShowAllowancesDialog(HWND owner, AllowancesChoice& choice);

// Control identifiers, for the tests that drive the dialog.
inline constexpr int kAllowancesFirstControlId = 200;
inline constexpr wchar_t kAllowancesListClass[] = L"SysListView32";

} // namespace orva
