#include "winkit/subclass.h"

#include "winkit/unexpected_error.h"

namespace winkit {

WNDPROC SubclassWindow(HWND window, WNDPROC proc) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongA(window, GWL_WNDPROC, static_cast<LONG>(reinterpret_cast<LONG_PTR>(proc))));
}

void RestoreWindowProc(HWND window, WNDPROC previous) {
  SetWindowLongA(window, GWL_WNDPROC, static_cast<LONG>(reinterpret_cast<LONG_PTR>(previous)));
}

LRESULT ForwardGuarded(WNDPROC previous, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                       const std::function<void()>& handler) {
  return Guarded(hwnd, [&]() -> LRESULT {
    if (handler) handler();
    return previous ? CallWindowProcA(previous, hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
  });
}

} // namespace winkit
