// The one form of a program's text table: an enum of its texts ending in
// Count, and one row per text, {id, {japanese, english}}, in the enum's
// order, which the compiler checks where the table is defined:
//   constexpr std::array<winkit::TextRow<Text>, kCount> kTexts = {{...}};
//   static_assert(winkit::RowsInEnumOrder(kTexts), "...");
// Texts are UTF-8. Free of Windows types, so the portable rules use it.
#pragma once

#include "winkit/enum_rows.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace winkit {

// One English/Japanese pair.
struct TextPair {
  std::string_view japanese;
  std::string_view english;
};

template <class Id>
struct TextRow {
  Id id; // checked against its position, so a row cannot slip
  TextPair pair;
};

inline constexpr TextPair kNoTextPair{};

// The pair of `id`; an empty pair for an id outside the table.
template <class Id, std::size_t N>
constexpr const TextPair& PairIn(const std::array<TextRow<Id>, N>& rows, Id id) {
  const auto index = static_cast<std::size_t>(id);
  return index < N ? rows[index].pair : kNoTextPair;
}

} // namespace winkit
