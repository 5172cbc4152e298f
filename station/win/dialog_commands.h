// The Tool > Setting, Help > Help and Help > Version commands of the main
// window: they bring the settings dialog, the help file and the about box
// together with the module-wide state.
#pragma once

#include "station/win/orva_lib.h"

#include <windows.h>

namespace orva {

// Shows the settings dialog; keeps its pending choices in lib (NewLanguage,
// NewSaveType, NewDiagMode) and on Set takes over and stores the changed
// save type and diagnose mode. True when the diagnose mode changed, so the
// caller refreshes the diagnose display.
bool RunSettingsDialog(HWND owner, OrvaLib& lib);
void RunAboutBox(HWND owner, const OrvaLib& lib);
void RunHelp(const OrvaLib& lib);

} // namespace orva
