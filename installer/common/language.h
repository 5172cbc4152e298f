// The installation tools' language: a 16-bit code, 0 English, 1 Japanese.
#pragma once

#include <cstdint>
#include <string_view>

namespace orva::installer {

using Language = std::int16_t;
inline constexpr Language kEnglish = 0;
inline constexpr Language kJapanese = 1;

// japanese when language is 1, otherwise english.
constexpr std::string_view PickText(Language language, std::string_view japanese,
                                    std::string_view english) {
  return language == kJapanese ? japanese : english;
}

// One English/Japanese pair of a tool's text table.
struct TextPair {
  std::string_view japanese;
  std::string_view english;
};

constexpr std::string_view PickText(Language language, const TextPair& pair) {
  return PickText(language, pair.japanese, pair.english);
}

} // namespace orva::installer
