// Drives a running ORVA.exe from outside, as an operator would: waits for
// its main window, presses its buttons, reads its labels and closes it.
// Used by the demo run and by end-to-end checks; not a deliverable.
//
//   stationdriver wait [seconds]        wait until the main window exists
//   stationdriver click <control>       press a button (BM_CLICK)
//   stationdriver text <control>        print a control's text (UTF-8)
//
// A control is named as in the program ("cmdStart") or by its identifier.
//   stationdriver close                 ask the window to close (WM_CLOSE)
//   stationdriver waitgone [seconds]    wait until the main window is gone
//
// Exit code 0 on success, 1 when the window or control was not found.
#include "../../station/main_controls.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The main window is recognised by its class-independent caption.
constexpr wchar_t kMainCaption[] = L"Sound Wave Style Tension Meter";

HWND FindMainWindow() { return FindWindowW(nullptr, kMainCaption); }

HWND WaitForMainWindow(double seconds) {
  const DWORD start = GetTickCount(), limit = static_cast<DWORD>(seconds * 1000);
  for (;;) {
    if (HWND w = FindMainWindow()) return w;
    if (GetTickCount() - start >= limit) return nullptr;
    Sleep(100);
  }
}

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  if (GetDlgCtrlID(child) == search->id) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

// Controls may sit inside frames, so search all descendants.
HWND FindControl(HWND main, int id) {
  ChildSearch search{id, nullptr};
  EnumChildWindows(main, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A control by its program name ("cmdStart") or its numeric identifier.
int ControlIdFromArg(const char* arg) {
  for (int i = 0; i < orva::kMainControlCount; ++i)
    if (std::strcmp(arg, orva::kMainControlNames[i]) == 0)
      return orva::ControlId(static_cast<orva::MainControl>(i));
  return std::atoi(arg);
}

std::string Utf8(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
  return out;
}

int Usage() {
  std::fprintf(stderr, "usage: stationdriver wait|click|text|close|waitgone [arg]\n");
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string verb = argv[1];
  const double seconds = argc > 2 ? std::atof(argv[2]) : 30.0;

  if (verb == "wait") return WaitForMainWindow(seconds) ? 0 : 1;
  if (verb == "waitgone") {
    const DWORD start = GetTickCount(), limit = static_cast<DWORD>(seconds * 1000);
    while (FindMainWindow()) {
      if (GetTickCount() - start >= limit) return 1;
      Sleep(100);
    }
    return 0;
  }

  HWND main = FindMainWindow();
  if (!main) return 1;
  if (verb == "close") {
    PostMessageW(main, WM_CLOSE, 0, 0);
    return 0;
  }
  if (argc < 3) return Usage();
  HWND control = FindControl(main, ControlIdFromArg(argv[2]));
  if (!control) return 1;
  if (verb == "click") {
    // Posted, so a message box opened by the click cannot block the driver.
    PostMessageW(control, BM_CLICK, 0, 0);
    return 0;
  }
  if (verb == "text") {
    // WM_GETTEXT, not GetWindowText: the latter cannot read another
    // process's edit controls.
    wchar_t buffer[4096] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    std::printf("%s\n", Utf8(buffer).c_str());
    return 0;
  }
  return Usage();
}
