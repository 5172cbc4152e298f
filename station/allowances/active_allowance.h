// The allowance in use: the name of the entry last chosen, as long as the
// main window still holds what choosing it set. Kept in ORVA.ini:
//   [Allowances]
//   Active=     the name, UTF-8 with its non-ASCII bytes escaped (%E3%83%99),
//               so it reads back the same whatever the ANSI code page is;
//               a file without it has no allowance in use
#pragma once

#include "station/allowances/allowance_entry.h"

#include <string>
#include <string_view>

namespace orva {

inline constexpr const char kSecAllowances[] = "Allowances";
inline constexpr const char kKeyActiveAllowance[] = "Active";
// Room for the longest name escaped (nine characters per Japanese one).
inline constexpr int kActiveNameBufferSize = 1024;

// Bytes outside printable ASCII, "%" and quotation marks (which the profile
// functions would strip) become %XX; everything else stays as it is.
std::string EncodeActiveName(std::string_view utf8);
// The reverse; a "%" without two hex digits stays as it stands.
std::string DecodeActiveName(std::string_view stored);

// Whether the limit boxes and the unit still hold what choosing the entry
// set. START rewrites a low limit of value 0 (such as "0.0") as "0"; that is
// the same allowance, not an edit by hand.
bool StillInForce(const AllowanceEntry& entry, std::string_view high, std::string_view low, int limitUnitMode);

} // namespace orva
