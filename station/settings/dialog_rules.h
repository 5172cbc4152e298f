// Rules of the settings dialog and the about box, apart from the windows:
// which option shows a current value, what Set stores, the version line and
// the design positions (twips) of both dialogs.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "station/settings/text_table.h"
#include "winkit/twip_rect.h"

namespace orva {

// The three option pairs; element 0 and element 1 stand for these values.
enum class OptionPair { Language, Save, Diag };
inline constexpr const char kSaveOnlyGood[] = "true";
inline constexpr const char kSaveAll[] = "false";
inline constexpr const char kDiagDisable[] = "disable";
inline constexpr const char kDiagEnableValue[] = "enable";

const char* OptionValue(OptionPair pair, int element);
// The element shown for a current value: element 0 only for exactly its
// value ("english", "true", "disable"); anything else, empty included, shows
// element 1.
int OptionFor(OptionPair pair, std::string_view current);

// One settings-file write that Set makes.
struct IniWrite {
  const char* section;
  const char* key;
  std::string value;
};

// What Set does with the pending values: the language is never applied; the
// save type and the diagnose mode are written and taken over only when they
// differ from the current ones, and a changed diagnose mode refreshes the
// diagnose display.
struct SetPlan {
  int writeCount = 0;
  std::array<IniWrite, 2> writes{};
  bool saveTypeChanged = false;
  bool diagModeChanged = false;
};
SetPlan PlanSet(std::string_view curSaveType, std::string_view curDiagMode,
                std::string_view newSaveType, std::string_view newDiagMode);

// A settings label: the heading, one carriage return (CR alone), then the
// explanation, whose own two lines are also split by a lone CR.
std::string SettingLabelText(std::string_view curLanguage, Text heading, Text explanation);

// "Version   " (three spaces), then major.minor.revision in plain decimal.
std::string VersionLine(unsigned major, unsigned minor, unsigned revision);
// File version words (1.0.0.3) to the shown numbers: major, minor and the
// last word as the revision.
struct ProgramVersion {
  unsigned major = 0, minor = 0, revision = 0;
};
ProgramVersion VersionFromFileWords(unsigned long fileVersionMS, unsigned long fileVersionLS);

// Design rectangles are in twips, relative to their container.
// Settings dialog: client area 4905 x 4155.
enum class SettingCtl {
  LblSetting0, FrmLanguage, OptLanguage0, OptLanguage1,
  LblSetting1, Frame2, OptSave0, OptSave1,
  LblSetting2, Frame3, OptDiag0, OptDiag1,
  CmdSet, CmdExit, Count
};
inline constexpr int kSettingClientWidth = 4905;
inline constexpr int kSettingClientHeight = 4155;
// Rectangles of the option buttons are relative to their frame.
winkit::TwipRect SettingRect(SettingCtl control);
// The frame an option button sits in; Count for controls of the dialog itself.
SettingCtl SettingContainer(SettingCtl control);

// About box: client area 4590 x 1515.
enum class AboutCtl { picIcon, LblTitle, Label1, lblVersion, lblDescription, cmdOK, Count };
inline constexpr int kAboutClientWidth = 4590;
inline constexpr int kAboutClientHeight = 1515;
winkit::TwipRect AboutRect(AboutCtl control);

} // namespace orva
