// A small program whose handler throws, for the guard tests: the argument
// names where ("window", "dialog" or "subclass"). With the guard in place the
// program ends showing the error box and exit code 1; without it the
// exception would cross the system's frames.
#include "winkit/dialog.h"
#include "winkit/program.h"
#include "winkit/subclass.h"
#include "winkit/unexpected_error.h"
#include "winkit/window.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace {

class ThrowingWindow : public winkit::Window {
public:
  bool Create() {
    static const winkit::WindowClass kClass{L"WinkitGuardProbe"};
    return CreateWin(kClass, 0, WS_OVERLAPPEDWINDOW, L"guard probe", 0, 0, 200, 100, nullptr, nullptr);
  }

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_APP) throw std::runtime_error("window handler failed");
    return Default(msg, wp, lp);
  }
};

class ThrowingDialog : public winkit::Dialog {
public:
  INT_PTR Show() { return ShowModal(nullptr); }

private:
  INT_PTR OnMessage(UINT msg, WPARAM, LPARAM) override {
    if (msg == WM_INITDIALOG) throw std::runtime_error("dialog handler failed");
    return FALSE;
  }
};

WNDPROC g_previous = nullptr;

LRESULT CALLBACK ThrowingSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return winkit::ForwardGuarded(g_previous, hwnd, msg, wp, lp, [&] {
    if (msg == WM_APP) throw std::logic_error("subclass handler failed");
  });
}

} // namespace

int main(int argc, char** argv) {
  winkit::SetProgramTitle(L"Guard probe");
  const char* where = argc > 1 ? argv[1] : "";
  if (std::strcmp(where, "window") == 0) {
    ThrowingWindow window;
    if (!window.Create()) return 2;
    PostMessageW(window.Handle(), WM_APP, 0, 0);
    return winkit::RunMessageLoop(nullptr);
  }
  if (std::strcmp(where, "dialog") == 0) {
    ThrowingDialog dialog;
    dialog.Show();
    return 0;
  }
  if (std::strcmp(where, "subclass") == 0) {
    // A window of a plain class, so only the subclass stands between the
    // handler and the system.
    HWND plain = CreateWindowExA(0, "STATIC", "guard probe", WS_OVERLAPPED, 0, 0, 100, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    if (!plain) return 2;
    g_previous = winkit::SubclassWindow(plain, ThrowingSubclass);
    PostMessageW(plain, WM_APP, 0, 0);
    return winkit::RunMessageLoop(nullptr);
  }
  return 3;
}
