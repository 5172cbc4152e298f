// A named allowance: the limits, their unit and the print title an operator
// would otherwise type for one belt, under a name. An entry is only kept
// when START would accept its limits, so choosing it can never lead to a
// refused START.
#pragma once

#include "station/allowance.h"
#include "station/settings/text_table.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orva {

struct AllowanceEntry {
  std::string name;  // UTF-8, Japanese too; no blanks at either end
  LimitUnit unit = LimitUnit::N;
  std::string high;  // UTF-8, as typed
  std::string low;   // UTF-8, as typed
  std::string title; // UTF-8, may be empty
  friend bool operator==(const AllowanceEntry&, const AllowanceEntry&) = default;
};

// Why an entry, or a line of a list file, is refused.
enum class AllowanceFault {
  None,
  NameEmpty,
  NameTooLong,
  ControlCharacter,
  FieldTooLong,    // a limit or the title
  HighNotNumeric,  // START's number message
  LowNotNumeric,   // START's number message
  NotAscending,    // START's order message
  NameTaken,       // another entry of the list has the name
  NameEarlierLine, // an earlier line of the same file has the name
  UnitUnknown,
  TooFewFields,
  TooManyFields,
  QuoteNotClosed,
  NotUtf8,
  FileUtf16, // the whole file
};

// Lengths in characters (code points). A name is what the operator reads in
// the list and on the main window; the title's is what ORVA.ini keeps.
inline constexpr std::size_t kMaxNameChars = 64;
inline constexpr std::size_t kMaxLimitChars = 32;
inline constexpr std::size_t kMaxTitleChars = 254;

// The name as kept: blanks at either end removed.
std::string TrimmedName(std::string_view name);

// The entry's own faults, in the order an operator would fix them: the
// name, the lengths and characters, then START's checks on the limits
// (START's own order: high, low, then the order of the two). The texts must
// be valid UTF-8. A name already in the list is the list's to find.
AllowanceFault CheckEntry(const AllowanceEntry& entry);

// START's messages for the limit faults (the number and the order message),
// the list's own texts for the rest, in the operator's language.
std::string FaultText(std::string_view curLanguage, AllowanceFault fault);
// Whether the fault is one of START's limit checks (its box is START's).
bool IsLimitFault(AllowanceFault fault);

// Characters (code points) of valid UTF-8 text.
std::size_t Utf8Length(std::string_view text);
bool IsValidUtf8(std::string_view text);

} // namespace orva
