// Looking at the station's main window from another process, as the
// end-to-end tests and the operator stand-in stationdriver do: finding it,
// finding its controls by program name, reading their texts.
#pragma once

#include "tools/testsupport/remote_window.h"

#include <windows.h>

#include <string>

namespace orva::testsupport {

// The main window's caption, by which it is recognised.
inline constexpr wchar_t kStationCaption[] = L"Sound Wave Style Tension Meter";

// The station's main window; pid 0 accepts any process.
HWND FindStationWindow(DWORD pid = 0);

// Control identifier of a control named as in the program ("cmdStart"), or
// of a numeric text; -1 for an unknown name.
int StationControlId(const char* nameOrNumber);

// A control anywhere below `main` (controls may sit inside frames).
HWND FindDescendantById(HWND main, int id);

} // namespace orva::testsupport
