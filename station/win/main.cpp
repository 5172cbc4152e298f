// ORVA.exe: the measurement station. Creates the main window, runs its
// start-up and the message loop until the window is gone.
#include "station/link/win/dll_meter_link.h"
#include "station/win/main_window.h"
#include "winkit/program.h"
#include "winkit/program_folder.h"

#include <commctrl.h>
#include <string>

namespace {

int Run(int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  static orva::OrvaLib ORVA_lib; // the module-wide state, for the whole run
  const std::string folder = winkit::ModuleFolder();
  orva::DllMeterLink link(folder);
  orva::MainWindow window(ORVA_lib, orva::StationConfig{&link, folder, true, orva::kProgramMutexName});
  if (!window.Create()) return 1;
  switch (window.Load()) {
  case orva::MainWindow::LoadResult::SecondInstance:
    return 0;
  case orva::MainWindow::LoadResult::Unloaded:
    return winkit::RunMessageLoop(nullptr); // the window is gone; its quit message ends the loop
  case orva::MainWindow::LoadResult::Loaded:
    break;
  }
  return winkit::ShowAndRunMessageLoop(window.Handle(), show, window.Shortcuts());
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  return winkit::RunProgram(orva::kDefaultMessageTitle, [show] { return Run(show); });
}
