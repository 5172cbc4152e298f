// ORVA.exe: the measurement station. Creates the main window, runs its
// start-up and the message loop until the window is gone.
#include "dll_meter_link.h"
#include "main_window.h"
#include "message_box.h"

#include <commctrl.h>
#include <exception>
#include <string>

namespace {

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  const size_t slash = folder.find_last_of('\\');
  return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

int Run(int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  static orva::OrvaLib ORVA_lib; // the module-wide state, for the whole run
  const std::string folder = ExecutableFolder();
  orva::DllMeterLink link(folder);
  orva::MainWindow window(ORVA_lib, orva::StationConfig{&link, folder, true, "ORVA"});
  if (!window.Create()) return 1;
  switch (window.Load()) {
  case orva::MainWindow::LoadResult::SecondInstance:
    return 0;
  case orva::MainWindow::LoadResult::Unloaded:
    break; // the window is gone; its quit message ends the loop below
  case orva::MainWindow::LoadResult::Loaded:
    ShowWindow(window.Handle(), show);
    UpdateWindow(window.Handle());
    break;
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.Handle() && IsDialogMessageW(window.Handle(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  try {
    return Run(show);
  } catch (const std::exception& e) {
    std::wstring text = L"Run-time error: ";
    for (const char* p = e.what(); *p; ++p) text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    orva::ShowMessageBox(nullptr, text, orva::kDefaultMessageTitle, MB_OK | MB_ICONSTOP);
    return 1;
  }
}
