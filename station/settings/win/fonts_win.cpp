// Language fonts on the screen, from the toolkit's font cache.
#include "station/settings/win/fonts_win.h"

#include "winkit/control_helpers.h"
#include "winkit/font_cache.h"
#include "winkit/text.h"
#include "winkit/window_dpi.h"

namespace orva {

HFONT FontFor(const FontSpec& wanted, winkit::Dpi dpi) {
  return winkit::CachedFont({winkit::WideFromUtf8(wanted.face), wanted.points, wanted.bold}, dpi);
}

void SetCtrlFont(HWND control, std::string_view curLanguage) {
  winkit::SetFont(control, FontFor(CtrlFontSpec(curLanguage), winkit::WindowDpi(control)), true);
}

void SetFormFont(HWND form, std::string_view curLanguage) {
  winkit::SetFont(form, FontFor(FormFontSpec(curLanguage), winkit::WindowDpi(form)), true);
}

void SetTitleFont(HWND label, std::string_view curLanguage) {
  winkit::SetFont(label, FontFor(TitleFontSpec(curLanguage), winkit::WindowDpi(label)), true);
}

} // namespace orva
