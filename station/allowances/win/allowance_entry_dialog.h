// The entry editor of the Allowances dialog (New..., Edit...): name, unit,
// both limits and the print title. OK hands the entry to `accept`, which
// adds or replaces it in the list; a refused entry leaves the editor open
// with the reason in a message box (START's own box for the limits).
#pragma once

#include "station/allowances/allowance_entry.h"

#include <functional>
#include <string>
#include <windows.h>

namespace orva {

struct EntryChoice {
  std::string curLanguage;
  AllowanceEntry entry; // in: what the editor shows; out: what was accepted
  std::function<AllowanceFault(const AllowanceEntry&)> accept;
};

// True when an entry was accepted; false for Cancel, Esc or the close box.
bool ShowAllowanceEntryDialog(HWND owner, EntryChoice& choice);

// Control identifiers, for the tests that drive the editor.
inline constexpr int kEntryFirstControlId = 300;

} // namespace orva
