// The station's keyboard: keys that give a command wherever the focus is in
// the main window (an operator with a foot switch or a scanner has no hand
// free for the mouse), and the order Tab walks through the controls.
#pragma once

#include "station/main_controls.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orva {

// Windows virtual-key codes of the keys the station uses (winuser.h values;
// letters are their capital's character code).
inline constexpr std::uint16_t kKeyF1 = 0x70;
inline constexpr std::uint16_t kKeyF5 = 0x74;
inline constexpr std::uint16_t kKeyF6 = 0x75;
inline constexpr std::uint16_t kKeyF7 = 0x76;
inline constexpr std::uint16_t kKeyF8 = 0x77;

struct Shortcut {
  std::uint16_t virtualKey;
  bool control;
  // What the key does: the button it clicks, or the menu item it chooses
  // where the command has no button. A key with a button is gated exactly as
  // a click on it is; one with a menu item too is shown beside that item.
  std::optional<MainControl> button;
  std::optional<MainMenu> menu;
};

std::span<const Shortcut> StationShortcuts();

// The WM_COMMAND identifier the key sends: the button's, else the menu item's.
unsigned ShortcutCommandId(const Shortcut& shortcut);
// "F5", "Ctrl+S": the same in both languages, as Windows' own menus show keys.
std::string ShortcutLabel(const Shortcut& shortcut);
// A menu item's caption with its key after a tab, where it has one; the
// caption itself stays byte for byte.
std::string MenuCaptionWithShortcut(std::string_view caption, MainMenu item);

// The controls Tab reaches, in order: the allowance, the limits, the print
// title, then the buttons by how often a run needs them, then the screens.
std::span<const MainControl> TabOrder();
// Tab walks each window's children in z-order, into a frame where the frame
// stands: every control of TabOrder, each after the frames that hold it,
// each frame where its first control comes. Putting each at the bottom of
// its parent's z-order in this order gives Tab the order above.
std::vector<MainControl> TabZOrder();

} // namespace orva
