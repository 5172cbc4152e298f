// DIRSWEEP.EXE: removes the temporary install folder once the installer that
// started it has gone.
#include "installer/dirsweep/win/dirsweep_window.h"
#include "winkit/unexpected_error.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  winkit::SetProgramTitle(orva::dirsweep::kMessageTitle);
  orva::dirsweep::DirsweepWindow window;
  if (!window.Create()) return 1;
  ShowWindow(window.Handle(), show);
  UpdateWindow(window.Handle());
  return orva::installer::ToolWindow::RunMessageLoop(window.Handle());
}
