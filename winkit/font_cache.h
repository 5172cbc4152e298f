// The screen fonts of a program: each distinct font is made once, for the
// screen's pixels per inch, and kept for the life of the process, so a
// control never holds a deleted font.
#pragma once

#include <string>
#include <windows.h>

namespace winkit {

struct FontRequest {
  std::wstring face;
  int points = 9;
  bool bold = false;
  BYTE charset = DEFAULT_CHARSET;
  BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
};

// nullptr when the system could not make it (asked again next time).
HFONT CachedFont(const FontRequest& request);

} // namespace winkit
