// The caption plan of the main window.
#include "settings/main_captions.h"

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

TEST(StationCaptions, PlanInOrder) {
  const std::vector<std::string> expected = {
      "0:lblDiag", "0:lblExe", "0:lblDriver", "0:lblDisp", "0:lblMeasure", "0:txtError",
      "0:txtPrintTitle",
      "1:menu0=File", "1:menu1=Save", "1:menu2=Print", "1:menu3=Exit", "1:menu4=Tool",
      "1:menu5=Diagnose", "1:menu6=Setting", "1:menu7=Help", "1:menu8=Help", "1:menu9=Version",
      "2:frmLimit=Allowance", "2:lblHighTitle=High Limit ", "2:lblLowTitle=Low  Limit ",
      "2:lblForce=Force", "2:lblHz=Frequency", "2:lblPrintTitle=Print Title",
      "3:=Sound Wave Style Tension Meter", "4:LblTitle=TENSOWAVE",
      "2:cmdStart=START", "2:cmdEnd=STOP", "2:cmdSave=Save", "2:cmdPrint=Print", "2:CmdExit=Exit",
      "2:cmdDispChange0=MEASURE screen", "2:cmdDispChange1=ALARM screen", "2:CmdErrorReset=RESET",
  };
  std::vector<std::string> actual;
  for (const CaptionAction& a : MainCaptionPlan()) actual.push_back(Describe(a));
  EXPECT_EQ(actual, expected);
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
