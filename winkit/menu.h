// A menu bar from a table: each heading row opens a drop-down that takes
// the item rows after it. Headings carry identifiers too, so every item can
// be addressed by command (their captions replaced, their items grayed).
#pragma once

#include <span>
#include <windows.h>

namespace winkit {

struct MenuRow {
  UINT id;
  const wchar_t* caption;
  bool heading = false;
};

HMENU BuildMenuBar(std::span<const MenuRow> rows);

} // namespace winkit
