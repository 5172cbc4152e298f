// Tables keyed by an enum (texts, controls): one row per enumerator before
// Count, each row naming its own `id`, in the enum's order. Where a table is
// defined, the compiler checks it:
//   static_assert(winkit::RowsInEnumOrder(kRows), "...");
// Free of Windows types, so portable rules use it too.
#pragma once

#include <array>
#include <cstddef>

namespace winkit {

template <class Row, std::size_t N>
constexpr bool RowsInEnumOrder(const std::array<Row, N>& rows) {
  using Id = decltype(Row::id);
  if (N != static_cast<std::size_t>(Id::Count)) return false;
  for (std::size_t i = 0; i < N; ++i)
    if (static_cast<std::size_t>(rows[i].id) != i) return false;
  return true;
}

} // namespace winkit
