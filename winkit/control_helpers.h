// The small things every window does to its controls, written once: enable,
// show, set a caption (from UTF-16, UTF-8 or ANSI text), check an option.
// A null handle is passed on to the system, which ignores it.
#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace winkit {

void Enable(HWND control, bool enabled);
void Show(HWND control, bool shown);

void SetText(HWND control, const std::wstring& text);
void SetUtf8Text(HWND control, std::string_view utf8);
void SetAnsiText(HWND control, std::string_view ansi);
// The control's text in UTF-8, as the portable rules take texts.
std::string Utf8Text(HWND control);

void SetChecked(HWND button, bool checked);
bool IsChecked(HWND button);

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

// WM_SETFONT; without a redraw the control draws with it from its next
// paint. A null control or font changes nothing.
void SetFont(HWND control, HFONT font, bool redraw = false);

} // namespace winkit
