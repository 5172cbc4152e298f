// Numeric texts: the rule by which limits and readings are judged, and the
// Str form in which counts and alarm numbers are shown. Locale-independent:
// "." is the decimal point whatever the system's locale says.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orva {

// The value of a text that as a whole reads as a decimal number. Accepted
// grammar (bytes, ASCII only):
//
//   text     = blanks [sign] mantissa [exponent] blanks
//   blanks   = { " " | TAB }
//   sign     = "+" | "-"
//   mantissa = digits ["." [digits]] | "." digits     ("5", "5.", ".5", "5.25")
//   exponent = ("e" | "E") [sign] digits              ("1e3", "2.5E-1")
//   digits   = "0".."9" { "0".."9" }
//
// Anything else (empty, blanks only, letters, NUL bytes, non-ASCII bytes, a
// lone "." or sign, a blank between sign and digits, "1e") is not numeric:
// nullopt. A value too large for a double is not numeric either; one too
// small for it reads as 0 with the text's sign.
std::optional<double> ParseNumericText(std::string_view text);

inline bool IsNumericText(std::string_view text) { return ParseNumericText(text).has_value(); }

// The Str form: decimal digits preceded by one blank for zero and positive
// values, by "-" for negative ones (" 5", "-3", " 0").
std::string StrForm(std::int64_t value);

} // namespace orva
