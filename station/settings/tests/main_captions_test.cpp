// The caption plan of the main window.
#include "station/settings/main_captions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orva {
namespace {

std::string Describe(const CaptionAction& a) {
  std::string s = std::to_string(static_cast<int>(a.step)) + ":";
  if (a.control) s += kMainControlNames[static_cast<int>(*a.control)];
  if (a.menu) s += "menu" + std::to_string(static_cast<int>(*a.menu));
  if (a.text) s += "=" + std::string(TextPairOf(*a.text).english);
  return s;
}

TEST(StationCaptions, EachStepCarriesWhatItNeeds) {
  std::set<MainMenu> menus;
  for (const CaptionAction& a : MainCaptionPlan()) {
    switch (a.step) {
    case CaptionStep::CtrlFontOnly:
      EXPECT_TRUE(a.control && !a.text && !a.menu) << Describe(a);
      break;
    case CaptionStep::MenuText:
      EXPECT_TRUE(a.menu && a.text && !a.control) << Describe(a);
      if (a.menu) menus.insert(*a.menu);
      break;
    case CaptionStep::CtrlFontAndText:
    case CaptionStep::TitleLabel:
      EXPECT_TRUE(a.control && a.text && !a.menu) << Describe(a);
      break;
    case CaptionStep::FormFontAndText:
      EXPECT_TRUE(!a.control && a.text && !a.menu) << Describe(a);
      break;
    }
  }
  EXPECT_EQ(menus.size(), static_cast<std::size_t>(MainMenu::Count)); // every menu item captioned
}

} // namespace
} // namespace orva
