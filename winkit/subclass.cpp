#include "winkit/subclass.h"

#include "winkit/unexpected_error.h"

namespace winkit {

WNDPROC SubclassWindow(HWND window, WNDPROC proc) {
  return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

void RestoreWindowProc(HWND window, WNDPROC previous) {
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

LRESULT ForwardGuarded(WNDPROC previous, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                       const std::function<void()>& handler) {
  return Guarded(hwnd, [&]() -> LRESULT {
    if (handler) handler();
    return previous ? CallWindowProcA(previous, hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
  });
}

namespace {
constexpr wchar_t kObjectProp[] = L"winkit.ControlSubclass";
} // namespace

ControlSubclass* ControlSubclass::Lookup(HWND control) {
  return control ? static_cast<ControlSubclass*>(GetPropW(control, kObjectProp)) : nullptr;
}

bool ControlSubclass::Attach(HWND control) {
  if (!IsWindow(control) || Lookup(control)) return false;
  Release();
  if (!SetPropW(control, kObjectProp, this)) return false;
  hwnd_ = control;
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlSubclass::Proc)));
  return true;
}

void ControlSubclass::Release() {
  if (!hwnd_) return;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC)) == &ControlSubclass::Proc)
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  RemovePropW(hwnd_, kObjectProp);
  hwnd_ = nullptr;
}

LRESULT ControlSubclass::CallPrevious(UINT msg, WPARAM wp, LPARAM lp) {
  return previous_ ? CallWindowProcW(previous_, hwnd_, msg, wp, lp) : DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK ControlSubclass::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  ControlSubclass* self = Lookup(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return Guarded(hwnd, [&]() -> LRESULT {
    if (msg != WM_NCDESTROY) return self->OnMessage(msg, wp, lp);
    const WNDPROC previous = self->previous_;
    self->Release();
    return CallWindowProcW(previous, hwnd, msg, wp, lp);
  });
}

} // namespace winkit
