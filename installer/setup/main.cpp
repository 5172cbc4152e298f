// SETUP.EXE: the launcher in the root of the install disk.
#include "installer/setup/setup_window.h"
#include "winkit/unexpected_error.h"

#include <objbase.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  winkit::SetProgramTitle(orva::installer::kSetupTitle);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // the shell starts the installer
  orva::installer::SetupWindow window;
  if (!window.Create()) return 1;
  ShowWindow(window.Handle(), show);
  UpdateWindow(window.Handle());
  const int code = orva::installer::ToolWindow::RunMessageLoop(window.Handle());
  CoUninitialize();
  return code;
}
