// INSTALL.EXE: the installer's wizard, started by SETUP.EXE from the
// temporary folder.
#include "installer/install/win/install_window.h"
#include "winkit/program.h"

#include <objbase.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // the shell's save dialog and links
  const int code = winkit::RunWindowProgram<orva::installer::InstallWindow>(orva::installer::kInstallTitle, show);
  CoUninitialize();
  return code;
}
