#include "winkit/menu.h"

namespace winkit {
namespace {

void Append(HMENU menu, const MenuRow& row, HMENU submenu) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STRING | (submenu ? MIIM_SUBMENU : 0);
  info.wID = row.id;
  info.hSubMenu = submenu;
  info.dwTypeData = const_cast<wchar_t*>(row.caption);
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

} // namespace

HMENU BuildMenuBar(std::span<const MenuRow> rows) {
  const HMENU bar = CreateMenu();
  HMENU popup = nullptr;
  for (const MenuRow& row : rows) {
    if (row.heading) {
      popup = CreatePopupMenu();
      Append(bar, row, popup);
    } else if (popup) {
      Append(popup, row, nullptr);
    }
  }
  return bar;
}

} // namespace winkit
