// What a test program sees when scripts/installer-scenario.sh runs it inside
// an installer scenario (a fresh Wine prefix reporting one Windows version,
// the install disk on drive E:): the disk, the Windows version asked for,
// the stand-in driver tools' log and control file, and screenshots.
#pragma once

#include "tools/testsupport/test_files.h"
#include "tools/wdreg_standin/standin_rules.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orva::testsupport {

// True when running inside a scenario (ORVA_SCENARIO is set).
bool InScenario();
std::string ScenarioName();
// The `winecfg -v` name the scenario's prefix reports ("win98", "winxp", ...).
std::string ScenarioWindowsVersion();
// Root of the install disk with a trailing backslash ("E:\").
std::string InstallDisk();

// The stand-in driver tools: every call they recorded, in order, and the
// control file they read at each call (see tools/wdreg_standin/standin_rules.h).
std::string StandinLogPath();
std::vector<wdreg_standin::LoggedCall> StandinCalls();
void ClearStandinLog();
void SetStandinControl(const std::string& text);

// Holds every stand-in call (or those of one tool, e.g. "wdreg_gui.exe")
// from now until Release() or the end of this object: the tool logs its call
// and then waits.
class StandinHold {
public:
  explicit StandinHold(const std::string& tool = {});
  ~StandinHold();
  StandinHold(const StandinHold&) = delete;
  StandinHold& operator=(const StandinHold&) = delete;
  void Release();

private:
  std::string flag_;
};

// Saves a picture of the screen (or of `window` alone) as <name>.png in the
// scenario's screenshot folder, when the scenario runs on a display
// (ORVA_SHOT_DIR set); false otherwise. The scenario script turns the saved
// bitmaps into PNG files at its end.
bool SaveScreenshot(const std::string& name, HWND window = nullptr);

} // namespace orva::testsupport
