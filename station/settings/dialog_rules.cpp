#include "station/settings/dialog_rules.h"

#include "station/settings/ini_rules.h"

namespace orva {

const char* OptionValue(OptionPair pair, int element) {
  const bool first = element == 0;
  switch (pair) {
  case OptionPair::Language: return first ? kEnglish : "japanese";
  case OptionPair::Save: return first ? kSaveOnlyGood : kSaveAll;
  case OptionPair::Diag: return first ? kDiagDisable : kDiagEnableValue;
  }
  return "";
}

int OptionFor(OptionPair pair, std::string_view current) {
  return current == OptionValue(pair, 0) ? 0 : 1;
}

SetPlan PlanSet(std::string_view curSaveType, std::string_view curDiagMode,
                std::string_view newSaveType, std::string_view newDiagMode) {
  SetPlan plan;
  if (newSaveType != curSaveType) {
    plan.saveTypeChanged = true;
    plan.writes[plan.writeCount++] = {kSecSaveType, kKeyNeglectHighLow, std::string(newSaveType)};
  }
  if (newDiagMode != curDiagMode) {
    plan.diagModeChanged = true;
    plan.writes[plan.writeCount++] = {kSecDiagnose, kKeyMode, std::string(newDiagMode)};
  }
  return plan;
}

std::string SettingLabelText(std::string_view curLanguage, Text heading, Text explanation) {
  return PickText(curLanguage, heading) + "\r" + PickText(curLanguage, explanation);
}

std::string VersionLine(unsigned major, unsigned minor, unsigned revision) {
  return "Version   " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

ProgramVersion VersionFromFileWords(unsigned long fileVersionMS, unsigned long fileVersionLS) {
  return {static_cast<unsigned>((fileVersionMS >> 16) & 0xFFFF),
          static_cast<unsigned>(fileVersionMS & 0xFFFF),
          static_cast<unsigned>(fileVersionLS & 0xFFFF)};
}

namespace {

constexpr winkit::TwipRect kSettingRects[] = {
    {240, 100, 3495, 220},   // LblSetting(0)
    {500, 300, 2800, 500},   // FrmLanguage
    {200, 200, 1100, 180},   // OptLanguage(0)
    {1600, 200, 1100, 180},  // OptLanguage(1)
    {240, 880, 4455, 600},   // LblSetting(1)
    {500, 1500, 2800, 500},  // Frame2
    {200, 200, 1300, 180},   // OptSave(0)
    {1600, 200, 1100, 180},  // OptSave(1)
    {240, 2080, 3735, 620},  // LblSetting(2)
    {500, 2700, 2800, 500},  // Frame3
    {200, 200, 1100, 180},   // OptDiag(0)
    {1600, 200, 1100, 180},  // OptDiag(1)
    {480, 3480, 1335, 375},  // CmdSet
    {2400, 3480, 1215, 375}, // CmdExit
};
static_assert(std::size(kSettingRects) == static_cast<std::size_t>(SettingCtl::Count));

// picIcon's place is ours: left of the title, in the margin the design leaves.
constexpr winkit::TwipRect kAboutRects[] = {
    {180, 240, 480, 480},    // picIcon
    {840, 240, 3285, 360},   // LblTitle
    {720, 600, 1095, 375},   // Label1
    {1920, 600, 1965, 225},  // lblVersion
    {840, 960, 1965, 405},   // lblDescription
    {3240, 960, 1140, 345},  // cmdOK
};
static_assert(std::size(kAboutRects) == static_cast<std::size_t>(AboutCtl::Count));

} // namespace

winkit::TwipRect SettingRect(SettingCtl control) { return kSettingRects[static_cast<std::size_t>(control)]; }

SettingCtl SettingContainer(SettingCtl control) {
  switch (control) {
  case SettingCtl::OptLanguage0:
  case SettingCtl::OptLanguage1: return SettingCtl::FrmLanguage;
  case SettingCtl::OptSave0:
  case SettingCtl::OptSave1: return SettingCtl::Frame2;
  case SettingCtl::OptDiag0:
  case SettingCtl::OptDiag1: return SettingCtl::Frame3;
  default: return SettingCtl::Count;
  }
}

winkit::TwipRect AboutRect(AboutCtl control) { return kAboutRects[static_cast<std::size_t>(control)]; }

} // namespace orva
