// Language fonts on the screen, from the toolkit's font cache.
#include "station/settings/win/fonts_win.h"

#include "winkit/control_helpers.h"
#include "winkit/font_cache.h"
#include "winkit/text.h"

namespace orva {

HFONT FontFor(const FontSpec& wanted) {
  return winkit::CachedFont({winkit::WideFromUtf8(wanted.face), wanted.points, wanted.bold});
}

void SetCtrlFont(HWND control, std::string_view curLanguage) {
  winkit::SetFont(control, FontFor(CtrlFontSpec(curLanguage)), true);
}

void SetFormFont(HWND form, std::string_view curLanguage) {
  winkit::SetFont(form, FontFor(FormFontSpec(curLanguage)), true);
}

void SetTitleFont(HWND label, std::string_view curLanguage) {
  winkit::SetFont(label, FontFor(TitleFontSpec(curLanguage)), true);
}

} // namespace orva
