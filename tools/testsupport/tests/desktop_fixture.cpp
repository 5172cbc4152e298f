// A small window for the self-test of the desktop-driving helpers: a label,
// buttons that are shown, hidden or disabled, an option button inside a
// group box, message boxes with and without an icon, and an exit code.
#include "winkit/program.h"

#include <windows.h>

namespace {

enum Id { kLabel = 100, kAsk, kWarn, kHidden, kDisabled, kQuit, kFrame, kOption };

HWND label;

LRESULT CALLBACK FixtureProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
  case WM_COMMAND:
    switch (LOWORD(wp)) {
    case kAsk:
      MessageBoxW(w, L"Proceed with the fixture?", L"Fixture", MB_OK);
      SetWindowTextW(label, L"Asked");
      return 0;
    case kWarn:
      MessageBoxW(w, L"A warning.", L"Fixture", MB_OKCANCEL | MB_ICONWARNING);
      return 0;
    case kOption:
      SetWindowTextW(label, L"日本語");
      return 0;
    case kQuit:
      DestroyWindow(w);
      return 0;
    }
    break;
  case WM_DESTROY:
    PostQuitMessage(3);
    return 0;
  }
  return DefWindowProcW(w, message, wp, lp);
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int cx = 120) {
  return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, 24, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = FixtureProc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"DesktopFixture";
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(0, wc.lpszClassName, L"Desktop driver fixture", WS_OVERLAPPEDWINDOW, 40, 40, 420, 260,
                           nullptr, nullptr, instance, nullptr);
  label = Child(w, L"STATIC", L"Ready", SS_LEFT, kLabel, 10, 10, 300);
  Child(w, L"STATIC", L"", SS_ICON, 0, 320, 10, 32);
  Child(w, L"BUTTON", L"&Ask", BS_PUSHBUTTON, kAsk, 10, 40);
  Child(w, L"BUTTON", L"Warn", BS_PUSHBUTTON, kWarn, 140, 40);
  HWND hidden = Child(w, L"BUTTON", L"Hidden", BS_PUSHBUTTON, kHidden, 10, 70);
  ShowWindow(hidden, SW_HIDE);
  HWND disabled = Child(w, L"BUTTON", L"Disabled", BS_PUSHBUTTON, kDisabled, 140, 70);
  EnableWindow(disabled, FALSE);
  Child(w, L"BUTTON", L"Quit", BS_PUSHBUTTON, kQuit, 270, 70);
  Child(w, L"BUTTON", L"Language", BS_GROUPBOX, kFrame, 10, 110, 250);
  Child(w, L"BUTTON", L"Japanese", BS_AUTORADIOBUTTON, kOption, 20, 134, 100);
  ShowWindow(Child(w, L"STATIC", L"invisible text", SS_LEFT, 0, 10, 170), SW_HIDE);
  // A label one level down, as controls sit inside frames.
  HWND panel = Child(w, L"STATIC", L"", SS_LEFT, 0, 140, 170, 200);
  Child(panel, L"STATIC", L"Inside", SS_LEFT, 0, 0, 0, 100);
  ShowWindow(w, show);
  return winkit::RunMessageLoop(nullptr);
}
