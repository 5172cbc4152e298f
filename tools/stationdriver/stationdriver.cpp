// Drives a running ORVA.exe from outside, as an operator would: waits for
// its main window, presses its buttons, reads its labels and closes it.
// Used by the demo run; not a deliverable.
//
//   stationdriver wait [seconds]        wait until the main window exists
//   stationdriver click <control>       press a button (BM_CLICK)
//   stationdriver text <control>        print a control's text (UTF-8)
//   stationdriver close                 ask the window to close (WM_CLOSE)
//   stationdriver statistics            choose Tool > Statistics
//   stationdriver allowances            choose Tool > Allowances...
//   stationdriver archive               choose File > Run Archive
//   stationdriver waitgone [seconds]    wait until the main window is gone
//
// A control is named as in the program ("cmdStart") or by its identifier.
// Exit code 0 on success, 1 when the window or control was not found.
#include "station/main_controls.h"
#include "tools/testsupport/station_window.h"
#include "winkit/text.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace orva::testsupport;

namespace {

// Polls until the main window's presence equals `present`.
bool WaitForPresence(bool present, double seconds) {
  const DWORD start = GetTickCount(), limit = static_cast<DWORD>(seconds * 1000);
  while ((FindStationWindow() != nullptr) != present) {
    if (GetTickCount() - start >= limit) return false;
    Sleep(100);
  }
  return true;
}

int Usage() {
  std::fprintf(stderr, "usage: stationdriver wait|click|text|close|statistics|allowances|archive|waitgone [arg]\n");
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string verb = argv[1];
  const double seconds = argc > 2 ? std::atof(argv[2]) : 30.0;

  if (verb == "wait") return WaitForPresence(true, seconds) ? 0 : 1;
  if (verb == "waitgone") return WaitForPresence(false, seconds) ? 0 : 1;

  HWND main = FindStationWindow();
  if (!main) return 1;
  if (verb == "close") {
    PostMessageW(main, WM_CLOSE, 0, 0);
    return 0;
  }
  if (verb == "statistics" || verb == "allowances" || verb == "archive") {
    const auto item = verb == "statistics" ? orva::MainMenu::Statistics
                      : verb == "archive"  ? orva::MainMenu::RunArchive
                                           : orva::MainMenu::Allowances;
    PostMessageW(main, WM_COMMAND, orva::MenuCommandId(item), 0);
    return 0;
  }
  if (argc < 3) return Usage();
  HWND control = FindDescendantById(main, StationControlId(argv[2]));
  if (!control) return 1;
  if (verb == "click") {
    // Posted, so a message box opened by the click cannot block the driver.
    PostMessageW(control, BM_CLICK, 0, 0);
    return 0;
  }
  if (verb == "text") {
    std::printf("%s\n", winkit::Utf8FromWide(RemoteWindowText(control)).c_str());
    return 0;
  }
  return Usage();
}
