// Carries out the caption plan on the real main window.
#pragma once

#include "station/main_controls.h"

#include <functional>
#include <string_view>
#include <windows.h>

namespace orva {

// control(c) returns the window of control c. Menu items are addressed by
// MenuCommandId in the window's menu bar.
void ApplyMainCaptions(HWND mainWindow, const std::function<HWND(MainControl)>& control,
                       std::string_view curLanguage);

} // namespace orva
