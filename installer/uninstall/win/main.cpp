// UNINSTALL.EXE: takes the installation off the PC, from the program folder.
#include "installer/uninstall/win/uninstall_window.h"
#include "winkit/unexpected_error.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  winkit::SetProgramTitle(orva::uninstall::kMessageTitle);
  orva::uninstall::UninstallWindow window;
  if (!window.Create()) return 1;
  ShowWindow(window.Handle(), show);
  UpdateWindow(window.Handle());
  return orva::installer::ToolWindow::RunMessageLoop(window.Handle());
}
