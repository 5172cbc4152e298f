// INSTALL.EXE: the installer's wizard, started by SETUP.EXE from the
// temporary folder.
#include "installer/install/install_window.h"
#include "winkit/unexpected_error.h"

#include <objbase.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  winkit::SetProgramTitle(orva::installer::kInstallTitle);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // the shell's save dialog and links
  orva::installer::InstallWindow window;
  if (!window.Create()) return 1;
  ShowWindow(window.Handle(), show);
  UpdateWindow(window.Handle());
  const int code = orva::installer::ToolWindow::RunMessageLoop(window.Handle());
  CoUninitialize();
  return code;
}
