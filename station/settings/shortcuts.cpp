#include "station/settings/shortcuts.h"

#include "station/settings/main_layout.h"

#include <algorithm>
#include <array>

namespace orva {
namespace {

using C = MainControl;
using M = MainMenu;

// Function keys for the run itself, in the order of the buttons on screen
// (START, STOP, then the two screens), as a foot switch or a scanner's
// prefix key can send them; Ctrl+letter for the commands Windows programs
// give those letters (Save, Print), and for the two windows beside the
// station (sTatistics, Run archive). No key that types in a text box, and
// none of the editing keys a text box answers to (Ctrl+A, C, V, X, Y, Z).
constexpr std::array<Shortcut, 9> kShortcuts = {{
    {kKeyF5, false, C::cmdStart, std::nullopt},
    {kKeyF6, false, C::cmdEnd, std::nullopt},
    {kKeyF7, false, C::cmdDispChange0, std::nullopt},
    {kKeyF8, false, C::cmdDispChange1, std::nullopt},
    {'S', true, C::cmdSave, M::fsave},
    {'P', true, C::cmdPrint, M::fprint},
    {'T', true, std::nullopt, M::Statistics},
    {'R', true, std::nullopt, M::RunArchive},
    {kKeyF1, false, std::nullopt, M::fhelp},
}};

constexpr std::array<MainControl, 14> kTabOrder = {
    C::OptLimitMode0, C::OptLimitMode1, C::txtLimitHigh,   C::txtLimitLow,    C::txtPrintTitle,
    C::cmdStart,      C::cmdEnd,        C::cmdSave,        C::cmdPrint,       C::CmdExit,
    C::cmdDispChange0, C::cmdDispChange1, C::CmdErrorReset, C::MSFlexGridMsr,
};

} // namespace

std::span<const Shortcut> StationShortcuts() { return kShortcuts; }

unsigned ShortcutCommandId(const Shortcut& shortcut) {
  return shortcut.button ? static_cast<unsigned>(ControlId(*shortcut.button)) : MenuCommandId(*shortcut.menu);
}

std::string ShortcutLabel(const Shortcut& shortcut) {
  const std::uint16_t key = shortcut.virtualKey;
  std::string label = shortcut.control ? "Ctrl+" : "";
  if (key >= kKeyF1 && key < kKeyF1 + 24) return label + "F" + std::to_string(key - kKeyF1 + 1);
  return label + static_cast<char>(key);
}

std::string MenuCaptionWithShortcut(std::string_view caption, MainMenu item) {
  for (const Shortcut& shortcut : kShortcuts)
    if (shortcut.menu == item) return std::string(caption) + "\t" + ShortcutLabel(shortcut);
  return std::string(caption);
}

std::span<const MainControl> TabOrder() { return kTabOrder; }

std::vector<MainControl> TabZOrder() {
  std::vector<MainControl> plan;
  const auto place = [&plan](MainControl c) {
    if (std::find(plan.begin(), plan.end(), c) == plan.end()) plan.push_back(c);
  };
  for (MainControl control : kTabOrder) {
    std::vector<MainControl> chain{control};
    for (Container k = PlacementOf(control).container; k != Container::Window; k = PlacementOf(ContainerControl(k)).container)
      chain.push_back(ContainerControl(k));
    std::for_each(chain.rbegin(), chain.rend(), place);
  }
  return plan;
}

} // namespace orva
