// The Allowances dialog and its entry editor apart from the windows: their
// controls, places (twips, relative to the client area) and which buttons
// the operator may press in each state.
#pragma once

#include "winkit/twip_rect.h"

#include <cstddef>
#include <optional>

namespace orva {

// The Allowances dialog: the list, the buttons beside it, the report of the
// last import below it.
enum class AllowancesCtl {
  lstAllowances, cmdUse, cmdNew, cmdEdit, cmdDelete, cmdMoveUp, cmdMoveDown,
  cmdImport, cmdExport, cmdClose, txtReport, Count
};
inline constexpr int kAllowancesClientWidth = 8400;
inline constexpr int kAllowancesClientHeight = 5160;
winkit::TwipRect AllowancesRect(AllowancesCtl control);

// The entry editor.
enum class EntryCtl {
  lblName, txtName, lblUnit, optN, optHz, lblHigh, txtHigh, lblLow, txtLow,
  lblTitle, txtTitle, cmdOk, cmdCancel, Count
};
inline constexpr int kEntryClientWidth = 5400;
inline constexpr int kEntryClientHeight = 2880;
winkit::TwipRect EntryRect(EntryCtl control);

// Which of the Allowances dialog's buttons take a click, for the selected
// entry (none, or its index), the list's size and whether the limits can be
// edited now (not during a run, as for typing them).
struct AllowancesButtons {
  bool use = false, edit = false, remove = false, moveUp = false, moveDown = false;
  bool exportList = false;
  friend bool operator==(const AllowancesButtons&, const AllowancesButtons&) = default;
};
AllowancesButtons ButtonsFor(std::optional<std::size_t> selected, std::size_t count, bool limitsEditable);

} // namespace orva
