#include "winkit/window_dpi.h"

#include "winkit/control_helpers.h"
#include "winkit/font_cache.h"

namespace winkit {
namespace {

constexpr wchar_t kDpiProperty[] = L"winkit.dpi";

HWND TopLevel(HWND window) {
  const HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  return root ? root : window;
}

// What Windows 10 (1607 and later) says of the window; 0 on earlier systems.
UINT SystemDpiForWindow(HWND window) {
  using Fn = UINT(WINAPI*)(HWND);
  static const Fn fn = [] {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                  : nullptr;
  }();
  return fn && window ? fn(window) : 0;
}

BOOL CALLBACK RescaleOne(HWND control, LPARAM dpiValue) {
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  if (const auto request = CachedFontRequest(font)) {
    const int dpi = static_cast<int>(dpiValue);
    SetFont(control, CachedFont(*request, Dpi{dpi, dpi}), true);
  }
  return TRUE;
}

} // namespace

Dpi WindowDpi(HWND window) {
  const HWND root = TopLevel(window);
  if (root) {
    if (const auto recorded = reinterpret_cast<INT_PTR>(GetPropW(root, kDpiProperty)); recorded > 0)
      return {static_cast<int>(recorded), static_cast<int>(recorded)};
    if (const UINT dpi = SystemDpiForWindow(root); dpi > 0) return {static_cast<int>(dpi), static_cast<int>(dpi)};
  }
  return ScreenDpi();
}

void TakeDpiChange(HWND window, WPARAM wp, LPARAM lp, const std::function<void(Dpi)>& placeControls) {
  // Windows gives one value for both axes (LOWORD = HIWORD).
  const int value = LOWORD(wp) > 0 ? LOWORD(wp) : ScreenDpi().y;
  const Dpi dpi{value, value};
  SetPropW(window, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)));
  if (placeControls) placeControls(dpi);
  RescaleFonts(window, dpi);
  if (const auto* suggested = reinterpret_cast<const RECT*>(lp))
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window, nullptr, TRUE);
}

void RescaleFonts(HWND window, Dpi dpi) {
  RescaleOne(window, dpi.y);
  EnumChildWindows(window, &RescaleOne, dpi.y);
}

void ForgetWindowDpi(HWND window) { RemovePropW(window, kDpiProperty); }

SIZE OuterSizeForClient(HWND window, double widthTwips, double heightTwips) {
  const Dpi dpi = WindowDpi(window);
  RECT r{0, 0, TwipsToPixels(widthTwips, dpi.x), TwipsToPixels(heightTwips, dpi.y)};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), GetMenu(window) != nullptr,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  return {r.right - r.left, r.bottom - r.top};
}

void SizeToClient(HWND window, double widthTwips, double heightTwips) {
  const SIZE outer = OuterSizeForClient(window, widthTwips, heightTwips);
  SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int ScaledPixels(int pixels, int dpi) {
  const int scaled = MulDiv(pixels, dpi, 96);
  return scaled < 1 ? 1 : scaled;
}

} // namespace winkit
