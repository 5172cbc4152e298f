#include "winkit/window.h"

#include "winkit/unexpected_error.h"
#include "winkit/window_dpi.h"

namespace winkit {

Window::~Window() {
  if (hwnd_) {
    // The object goes first: the window must not call into it any more.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    const HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
  }
}

Window* Window::Lookup(HWND hwnd) {
  if (!hwnd) return nullptr;
  WNDPROC proc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
  // Only windows of this base carry a Window* in their user data.
  if (proc != &Window::Proc) return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND Window::CreateWin(const WindowClass& cls, DWORD exStyle, DWORD style, const wchar_t* title, int x, int y,
                       int width, int height, HWND parent, HMENU menuOrId) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExW(instance, cls.name, &existing)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = cls.style;
    wc.lpfnWndProc = &Window::Proc;
    wc.hInstance = instance;
    wc.hIcon = cls.icon;
    wc.hCursor = cls.cursor ? cls.cursor : LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = cls.background;
    wc.lpszClassName = cls.name;
    if (!RegisterClassExW(&wc)) return nullptr;
  }
  return CreateWindowExW(exStyle, cls.name, title ? title : L"", style, x, y, width, height, parent, menuOrId,
                         instance, this);
}

LRESULT Window::OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    if (self) {
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return Guarded(hwnd, [&]() -> LRESULT {
    if (msg != WM_NCDESTROY) return self->OnMessage(msg, wp, lp);
    const LRESULT result = self->OnMessage(msg, wp, lp);
    ForgetWindowDpi(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    if (self->deleteWithWindow_) delete self;
    return result;
  });
}

} // namespace winkit
