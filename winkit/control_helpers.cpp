#include "winkit/control_helpers.h"

#include "winkit/text.h"

namespace winkit {

void Enable(HWND control, bool enabled) { EnableWindow(control, enabled ? TRUE : FALSE); }

void Show(HWND control, bool shown) { ShowWindow(control, shown ? SW_SHOW : SW_HIDE); }

void SetText(HWND control, const std::wstring& text) { SetWindowTextW(control, text.c_str()); }

void SetUtf8Text(HWND control, std::string_view utf8) { SetText(control, WideFromUtf8(utf8)); }

void SetAnsiText(HWND control, std::string_view ansi) { SetText(control, WideFromAnsi(ansi)); }

std::string Utf8Text(HWND control) { return Utf8FromWide(WindowText(control)); }

void SetChecked(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

RECT RectInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void SetFont(HWND control, HFONT font, bool redraw) {
  if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

} // namespace winkit
