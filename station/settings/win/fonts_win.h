// Win32 side of the language fonts: creates them for the pixels per inch of
// the window they are for and assigns them with WM_SETFONT.
#pragma once

#include "station/settings/fonts.h"

#include "winkit/twips.h"

#include <windows.h>

namespace orva {

// Fonts are owned by the toolkit's cache (winkit/font_cache.h).
// SetFormFont sends WM_SETFONT to the form itself: a top-level window keeps
// it only if its window procedure stores it and answers WM_GETFONT.
HFONT FontFor(const FontSpec& wanted, winkit::Dpi dpi);
void SetCtrlFont(HWND control, std::string_view curLanguage);
void SetFormFont(HWND form, std::string_view curLanguage);
void SetTitleFont(HWND label, std::string_view curLanguage);

} // namespace orva
