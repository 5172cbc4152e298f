// The font of a custom control: what WM_SETFONT gives it and WM_GETFONT
// answers, kept as a standard control keeps it. The font is the sender's;
// the control only uses it to draw.
#pragma once

#include <windows.h>

namespace winkit {

class HeldFont {
public:
  // Takes WM_SETFONT (invalidating `control` when the message asks for a
  // redraw) and WM_GETFONT: true, with `result` set, when `msg` was one of
  // them. A control's OnMessage asks this first.
  bool OnMessage(HWND control, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SETFONT) {
      font_ = reinterpret_cast<HFONT>(wp);
      if (LOWORD(lp)) InvalidateRect(control, nullptr, TRUE);
      result = 0;
      return true;
    }
    if (msg == WM_GETFONT) {
      result = reinterpret_cast<LRESULT>(font_);
      return true;
    }
    return false;
  }
  HFONT Font() const { return font_; }

private:
  HFONT font_ = nullptr;
};

} // namespace winkit
