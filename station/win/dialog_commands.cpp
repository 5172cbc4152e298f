#include "station/win/dialog_commands.h"

#include "station/settings/win/about_box.h"
#include "winkit/help_open.h"
#include "station/settings/win/settings_dialog.h"
#include "station/settings/win/settings_file.h"

namespace orva {

bool RunSettingsDialog(HWND owner, OrvaLib& lib) {
  SettingsChoice choice{lib.CurLanguage, lib.CurSaveType, lib.CurDiagMode, {}, {}, {}};
  const bool set = ShowSettingsDialog(owner, choice);
  lib.NewLanguage = choice.newLanguage;
  lib.NewSaveType = choice.newSaveType;
  lib.NewDiagMode = choice.newDiagMode;
  if (!set) return false;
  // The pending language is never applied.
  const SetPlan plan = PlanSet(lib.CurSaveType, lib.CurDiagMode, lib.NewSaveType, lib.NewDiagMode);
  if (plan.saveTypeChanged) lib.CurSaveType = lib.NewSaveType;
  if (plan.diagModeChanged) lib.CurDiagMode = lib.NewDiagMode;
  for (int i = 0; i < plan.writeCount; ++i)
    WriteIni(lib.IniPath, plan.writes[i].section, plan.writes[i].key, plan.writes[i].value);
  return plan.diagModeChanged;
}

void RunAboutBox(HWND owner, const OrvaLib& lib) { ShowAboutBox(owner, {lib.CurLanguage, {}}); }

void RunHelp(const OrvaLib& lib) { winkit::OpenHelp(lib.HelpPath); }

} // namespace orva
