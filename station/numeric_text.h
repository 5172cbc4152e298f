// Numeric texts: the rule by which limits and readings are judged, and the
// Str form in which counts and alarm numbers are shown. Locale-independent:
// "." is the decimal point whatever the system's locale says.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orva {

// The value of a text that as a whole reads as a decimal number: optional
// blanks around it, an optional sign, digits with at most one ".", an
// optional exponent ("1e3", "2.5E-1"). Anything else (empty, letters, NUL
// bytes, non-ASCII bytes, a lone "." or sign) is not numeric: nullopt.
std::optional<double> ParseNumericText(std::string_view text);

inline bool IsNumericText(std::string_view text) { return ParseNumericText(text).has_value(); }

// The Str form: decimal digits preceded by one blank for zero and positive
// values, by "-" for negative ones (" 5", "-3", " 0").
std::string StrForm(std::int64_t value);

} // namespace orva
