// Fonts that follow the language: controls, forms and the title label.
#pragma once

#include <string>
#include <string_view>

namespace orva {

struct FontSpec {
  std::string face; // UTF-8: "arial" or the Japanese proportional Gothic face
  int points;
  bool bold;
};

FontSpec CtrlFontSpec(std::string_view curLanguage);  // arial 8 / Japanese 9
FontSpec FormFontSpec(std::string_view curLanguage);  // arial 9 / Japanese 9
FontSpec TitleFontSpec(std::string_view curLanguage); // arial 12 bold / Japanese 12 bold

} // namespace orva
