// The about box frmAbout: a modal dialog with the program's icon, title,
// file name, version (from the program file's own version resource) and the
// maker's name. Each showing builds it afresh.
#pragma once

#include "station/settings/dialog_rules.h"

#include <string>
#include <windows.h>

namespace orva {

struct AboutContent {
  std::string curLanguage;
  std::wstring programPath; // whose version resource is shown; empty: the running program
};

void ShowAboutBox(HWND owner, const AboutContent& content);

// The version of a program file; 0.0.0 when it carries no version resource.
ProgramVersion ReadProgramVersion(const std::wstring& programPath);

inline int AboutControlId(AboutCtl control) { return 200 + static_cast<int>(control); }

} // namespace orva
