// The size a program states in a Windows record's size field (cbSize,
// lStructSize). The system's 32-bit programs pass fixed sizes; the i686 build
// pins each to its record's real size at compile time, so a header that packs
// the record differently cannot slip through. The x86-64 twin passes the
// platform's own size, which is the only one 64-bit Windows accepts.
#pragma once

#include <cstddef>

namespace winkit {

template <class Record, std::size_t Fixed32>
constexpr unsigned long RecordSize() {
#ifdef _WIN64
  return sizeof(Record);
#else
  static_assert(sizeof(Record) == Fixed32, "the 32-bit record size the system fixes");
  return Fixed32;
#endif
}

} // namespace winkit
