// Fonts that follow the language.
#include "station/settings/fonts.h"

#include "station/settings/text_table.h"

namespace orva {
namespace {
// The Japanese proportional Gothic face: full-width M, S, a space, full-width
// P and the katakana for Gothic.
constexpr const char kJapaneseFace[] = "ＭＳ Ｐゴシック";
constexpr const char kEnglishFace[] = "arial";

FontSpec Pick(std::string_view curLanguage, int englishPoints, int japanesePoints, bool bold) {
  if (IsEnglish(curLanguage)) return FontSpec{kEnglishFace, englishPoints, bold};
  return FontSpec{kJapaneseFace, japanesePoints, bold};
}
} // namespace

FontSpec CtrlFontSpec(std::string_view curLanguage) { return Pick(curLanguage, 8, 9, false); }
FontSpec FormFontSpec(std::string_view curLanguage) { return Pick(curLanguage, 9, 9, false); }
FontSpec TitleFontSpec(std::string_view curLanguage) { return Pick(curLanguage, 12, 12, true); }

} // namespace orva
