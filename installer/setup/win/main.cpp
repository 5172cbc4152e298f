// SETUP.EXE: the launcher in the root of the install disk.
#include "installer/setup/win/setup_window.h"
#include "winkit/program.h"

#include <objbase.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // the shell starts the installer
  const int code = winkit::RunWindowProgram<orva::installer::SetupWindow>(orva::installer::kSetupTitle, show);
  CoUninitialize();
  return code;
}
