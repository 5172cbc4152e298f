// UNINSTALL.EXE: takes the installation off the PC, from the program folder.
#include "installer/uninstall/win/uninstall_window.h"
#include "winkit/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  return winkit::RunWindowProgram<orva::uninstall::UninstallWindow>(orva::uninstall::kMessageTitle, show);
}
