#include "station/settings/shortcuts.h"

#include "station/settings/main_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace orva {
namespace {

// A key the operator types into a limit box or the print title must stay
// typing, and one that gives a command must never need the mouse first.
TEST(StationShortcuts, NoKeyTypesOrEditsAndNoneIsTakenTwice) {
  std::set<std::pair<std::uint16_t, bool>> taken;
  std::set<unsigned> commands;
  for (const Shortcut& key : StationShortcuts()) {
    SCOPED_TRACE(ShortcutLabel(key));
    EXPECT_TRUE(taken.insert({key.virtualKey, key.control}).second) << "one key, two commands";
    EXPECT_TRUE(commands.insert(ShortcutCommandId(key)).second) << "one command, two keys";
    EXPECT_TRUE(key.button || key.menu);
    const bool functionKey = key.virtualKey >= kKeyF1 && key.virtualKey < kKeyF1 + 12;
    const bool controlLetter = key.control && key.virtualKey >= 'A' && key.virtualKey <= 'Z';
    EXPECT_TRUE(functionKey || controlLetter) << "types into a text box";
    EXPECT_FALSE(controlLetter && std::string("ACVXYZ").find(static_cast<char>(key.virtualKey)) != std::string::npos)
        << "a text box's own editing key";
    EXPECT_NE(key.virtualKey, 0x79) << "F10 opens the menu bar";
  }
  EXPECT_EQ(taken.size(), 9u);
}

TEST(StationShortcuts, CommandIdsAndLabelsAreWhatTheWindowAndTheMenusUse) {
  const auto find = [](MainControl button) {
    return *std::find_if(StationShortcuts().begin(), StationShortcuts().end(),
                         [&](const Shortcut& s) { return s.button == button; });
  };
  EXPECT_EQ(ShortcutLabel(find(MainControl::cmdStart)), "F5");
  EXPECT_EQ(ShortcutCommandId(find(MainControl::cmdStart)), static_cast<unsigned>(ControlId(MainControl::cmdStart)));
  EXPECT_EQ(ShortcutLabel(find(MainControl::cmdSave)), "Ctrl+S");
  // Save has a button and a menu item: the key clicks the button, so it is
  // refused exactly where the button is.
  EXPECT_EQ(ShortcutCommandId(find(MainControl::cmdSave)), static_cast<unsigned>(ControlId(MainControl::cmdSave)));

  EXPECT_EQ(MenuCaptionWithShortcut("Save", MainMenu::fsave), "Save\tCtrl+S");
  EXPECT_EQ(MenuCaptionWithShortcut("\xE4\xBF\x9D\xE5\xAD\x98", MainMenu::fsave), "\xE4\xBF\x9D\xE5\xAD\x98\tCtrl+S");
  EXPECT_EQ(MenuCaptionWithShortcut("Help", MainMenu::fhelp), "Help\tF1");
  EXPECT_EQ(MenuCaptionWithShortcut("Setting", MainMenu::Setting), "Setting") << "no key, caption unchanged";
  EXPECT_EQ(MenuCaptionWithShortcut("File", MainMenu::menu_file), "File");
}

// The window puts each control of TabZOrder at the bottom of its parent in
// turn; Tab then walks TabOrder only if every frame comes before what it
// holds and the controls keep their order.
TEST(StationTabOrder, FramesComeBeforeTheirControlsAndTheOrderIsKept) {
  const auto plan = TabZOrder();
  const auto at = [&](MainControl c) { return std::find(plan.begin(), plan.end(), c) - plan.begin(); };
  std::set<MainControl> seen(plan.begin(), plan.end());
  EXPECT_EQ(seen.size(), plan.size()) << "each control placed once";
  for (MainControl c : plan)
    for (Container k = PlacementOf(c).container; k != Container::Window; k = PlacementOf(ContainerControl(k)).container)
      EXPECT_LT(at(ContainerControl(k)), at(c)) << kMainControlNames[static_cast<int>(c)];
  const auto order = TabOrder();
  for (std::size_t i = 1; i < order.size(); ++i) EXPECT_LT(at(order[i - 1]), at(order[i]));
  EXPECT_EQ(order.front(), MainControl::OptLimitMode0) << "the allowance first";
  EXPECT_EQ(plan.front(), MainControl::frmCmd);
}

} // namespace
} // namespace orva
