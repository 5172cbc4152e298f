// The installation tools' language: a 16-bit code, 0 English, 1 Japanese.
// Their texts stand in text tables of the one form (winkit/text_table.h).
#pragma once

#include "winkit/text_table.h"

#include <cstdint>
#include <string_view>

namespace orva::installer {

using Language = std::int16_t;
inline constexpr Language kLanguageEnglish = 0;
inline constexpr Language kLanguageJapanese = 1;

using winkit::TextPair;

// japanese when language is 1, otherwise english.
constexpr std::string_view PickText(Language language, std::string_view japanese,
                                    std::string_view english) {
  return language == kLanguageJapanese ? japanese : english;
}

constexpr std::string_view PickText(Language language, const TextPair& pair) {
  return PickText(language, pair.japanese, pair.english);
}

} // namespace orva::installer
