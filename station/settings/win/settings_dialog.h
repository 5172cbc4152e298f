// The settings dialog frmSetting: a modal dialog that shows the save/print
// type and the diagnose display as option pairs and collects the operator's
// pending choices. It stores nothing itself; the caller applies a Set.
#pragma once

#include "station/settings/dialog_rules.h"

#include <string>
#include <windows.h>

namespace orva {

struct SettingsChoice {
  // In: the current values (UTF-8/ASCII, as the program holds them).
  std::string curLanguage, curSaveType, curDiagMode;
  // Out: the pending values, loaded from the current ones at every opening
  // and changed by the option clicks; valid whatever button closed the dialog.
  std::string newLanguage, newSaveType, newDiagMode;
};

// Shows the dialog modally over owner; true when it was closed with Set,
// false for Exit, the title-bar close or Escape.
bool ShowSettingsDialog(HWND owner, SettingsChoice& choice);

// Control identifiers: each control of the design table has its own.
inline int SettingControlId(SettingCtl control) { return 100 + static_cast<int>(control); }
inline constexpr wchar_t kSettingDialogClass[] = L"#32770";

} // namespace orva
