// Settings dialog and about box rules: option shown for a stored value, what
// Set writes, the label and version texts, and the design geometry.
#include "station/settings/dialog_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace orva {
namespace {

TEST(StationDialogRules, OptionShownForStoredValue) {
  const struct {
    OptionPair pair;
    const char* current;
    int element;
    const char* pending; // value the pending setting takes at load
  } cases[] = {
      {OptionPair::Save, "true", 0, "true"},
      {OptionPair::Save, "false", 1, "false"},
      {OptionPair::Save, "", 1, "false"},        // no settings file: "All"
      {OptionPair::Save, "True", 1, "false"},    // case-sensitive
      {OptionPair::Save, "true ", 1, "false"},
      {OptionPair::Diag, "disable", 0, "disable"},
      {OptionPair::Diag, "enable", 1, "enable"},
      {OptionPair::Diag, "", 1, "enable"},
      {OptionPair::Diag, "Disable", 1, "enable"},
      {OptionPair::Language, "english", 0, "english"},
      {OptionPair::Language, "English", 1, "japanese"},
      {OptionPair::Language, "", 1, "japanese"},
  };
  for (const auto& c : cases) {
    const int element = OptionFor(c.pair, c.current);
    EXPECT_EQ(element, c.element) << c.current;
    EXPECT_STREQ(OptionValue(c.pair, element), c.pending) << c.current;
  }
}

TEST(StationDialogRules, SetWritesOnlyChangedValues) {
  const struct {
    const char *curSave, *curDiag, *newSave, *newDiag;
    bool saveChanged, diagChanged;
  } cases[] = {
      {"true", "disable", "true", "disable", false, false},
      {"true", "disable", "false", "disable", true, false},
      {"true", "disable", "true", "enable", false, true},
      {"", "", "false", "enable", true, true}, // empty values settle on Set
      {"false", "enable", "true", "disable", true, true},
  };
  for (const auto& c : cases) {
    const SetPlan plan = PlanSet(c.curSave, c.curDiag, c.newSave, c.newDiag);
    EXPECT_EQ(plan.saveTypeChanged, c.saveChanged) << c.newSave << c.newDiag;
    EXPECT_EQ(plan.diagModeChanged, c.diagChanged) << c.newSave << c.newDiag;
    ASSERT_EQ(plan.writeCount, int(c.saveChanged) + int(c.diagChanged));
    int next = 0;
    if (c.saveChanged) {
      EXPECT_STREQ(plan.writes[next].section, "SaveType");
      EXPECT_STREQ(plan.writes[next].key, "NeglectHighLow");
      EXPECT_EQ(plan.writes[next].value, c.newSave);
      ++next;
    }
    if (c.diagChanged) {
      EXPECT_STREQ(plan.writes[next].section, "Diagnose");
      EXPECT_STREQ(plan.writes[next].key, "Mode");
      EXPECT_EQ(plan.writes[next].value, c.newDiag);
    }
  }
}

TEST(StationDialogRules, LabelTextsSplitByLoneCarriageReturn) {
  EXPECT_EQ(SettingLabelText("english", Text::SaveTypeHeading, Text::SaveTypeExplanation),
            "Type of Save and Print\r    Only GOOD: Not save and print data out of the range\r"
            "    All: Save and Print all data");
  EXPECT_EQ(SettingLabelText("english", Text::DiagHeading, Text::DiagExplanation),
            "Display of Diagnose\r    disable: Not indicate diagnose\r    enable : Indicate diagnose");
  EXPECT_EQ(SettingLabelText("japanese", Text::SaveTypeHeading, Text::SaveTypeExplanation),
            "保存/印刷のタイプ\r    GOODのみ: 許容値外のデータは保存/印刷しない\r"
            "    全て        : 全てのデータを保存/印刷する");
  EXPECT_EQ(SettingLabelText("", Text::DiagHeading, Text::DiagExplanation),
            "診断表示\r    無効: 診断表示をしない\r    有効: 診断表示をする");
  for (Text t : {Text::SaveTypeExplanation, Text::DiagExplanation})
    EXPECT_EQ(std::string(TextPairOf(t).english).find('\n'), std::string::npos);
}

TEST(StationDialogRules, AboutTexts) {
  EXPECT_EQ(VersionLine(1, 0, 3), "Version   1.0.3");
  EXPECT_EQ(VersionLine(12, 305, 0), "Version   12.305.0");
  // File version 1.0.0.3: the third word is not shown.
  const ProgramVersion v = VersionFromFileWords(0x00010000ul, 0x00000003ul);
  EXPECT_EQ(VersionLine(v.major, v.minor, v.revision), "Version   1.0.3");
  const ProgramVersion w = VersionFromFileWords(0xFFFF0002ul, 0x00070009ul);
  EXPECT_EQ(w.major, 0xFFFFu);
  EXPECT_EQ(w.minor, 2u);
  EXPECT_EQ(w.revision, 9u);
  EXPECT_EQ(PickText("english", Text::AboutTitle), "TENSOWAVE ");
  EXPECT_EQ(PickText("japanese", Text::AboutTitle), "TENSOWAVE");
  EXPECT_EQ("ORVA " + PickText("english", Text::VersionInformation), "ORVA Version Information");
}

TEST(StationDialogRules, ControlsFitTheirContainers) {
  for (int i = 0; i < static_cast<int>(SettingCtl::Count); ++i) {
    const auto ctl = static_cast<SettingCtl>(i);
    const winkit::TwipRect r = SettingRect(ctl);
    const SettingCtl frame = SettingContainer(ctl);
    const winkit::TwipRect outer = frame == SettingCtl::Count
                                ? winkit::TwipRect{0, 0, kSettingClientWidth, kSettingClientHeight}
                                : SettingRect(frame);
    EXPECT_LE(r.left + r.width, outer.width) << i;
    EXPECT_LE(r.top + r.height, outer.height) << i;
  }
  for (int i = 0; i < static_cast<int>(AboutCtl::Count); ++i) {
    const winkit::TwipRect r = AboutRect(static_cast<AboutCtl>(i));
    EXPECT_LE(r.left + r.width, kAboutClientWidth) << i;
    EXPECT_LE(r.top + r.height, kAboutClientHeight) << i;
  }
  // The icon does not cover the title or the file name.
  const winkit::TwipRect icon = AboutRect(AboutCtl::picIcon);
  EXPECT_LE(icon.left + icon.width, AboutRect(AboutCtl::Label1).left);
}

} // namespace
} // namespace orva
