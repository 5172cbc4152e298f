// Carries out the caption plan on the real main window.
#include "station/settings/win/main_captions_win.h"

#include "station/settings/shortcuts.h"

#include "winkit/control_helpers.h"
#include "winkit/text.h"
#include "station/settings/main_captions.h"
#include "station/settings/win/fonts_win.h"

namespace orva {
namespace {

// Finds the item whose identifier is id anywhere in the menu tree. Walked by
// hand rather than addressed by command: headings are popups, and not every
// platform finds a popup by its identifier.
bool FindMenuItem(HMENU menu, UINT id, HMENU& owner, UINT& position, int depth = 0) {
  if (!menu || depth > 8) return false;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.wID == id) {
      owner = menu;
      position = static_cast<UINT>(i);
      return true;
    }
    if (info.hSubMenu && FindMenuItem(info.hSubMenu, id, owner, position, depth + 1)) return true;
  }
  return false;
}

void SetMenuText(HMENU menuBar, MainMenu item, const std::wstring& text) {
  HMENU owner = nullptr;
  UINT position = 0;
  if (!FindMenuItem(menuBar, MenuCommandId(item), owner, position)) return;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  SetMenuItemInfoW(owner, position, TRUE, &info);
}

} // namespace

void ApplyMainCaptions(HWND mainWindow, const std::function<HWND(MainControl)>& control,
                       std::string_view curLanguage) {
  HMENU menuBar = GetMenu(mainWindow);
  for (const CaptionAction& action : MainCaptionPlan()) {
    const std::wstring text = action.text ? winkit::WideFromUtf8(PickText(curLanguage, *action.text)) : std::wstring();
    HWND target = action.control && control ? control(*action.control) : nullptr;
    switch (action.step) {
    case CaptionStep::CtrlFontOnly:
      SetCtrlFont(target, curLanguage);
      break;
    case CaptionStep::MenuText:
      if (action.menu)
        SetMenuText(menuBar, *action.menu,
                    winkit::WideFromUtf8(MenuCaptionWithShortcut(PickText(curLanguage, *action.text), *action.menu)));
      break;
    case CaptionStep::CtrlFontAndText:
      SetCtrlFont(target, curLanguage);
      if (target) winkit::SetText(target, text);
      break;
    case CaptionStep::FormFontAndText:
      SetFormFont(mainWindow, curLanguage);
      winkit::SetText(mainWindow, text);
      break;
    case CaptionStep::TitleLabel:
      if (target) winkit::SetText(target, text);
      SetTitleFont(target, curLanguage);
      break;
    }
  }
  if (menuBar) DrawMenuBar(mainWindow);
}

} // namespace orva
