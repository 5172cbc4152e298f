// The screen fonts of a program: each distinct font is made once, for the
// pixels per inch it is asked for, and kept for the life of the process, so
// a control never holds a deleted font. A window moved to a monitor of
// another scaling asks for the same fonts at its new value.
#pragma once

#include "winkit/twips.h"

#include <optional>
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
HFONT CachedFont(const FontRequest& request, Dpi dpi);

// What a font of the cache was made from; nothing for any other font.
std::optional<FontRequest> CachedFontRequest(HFONT font);

} // namespace winkit
