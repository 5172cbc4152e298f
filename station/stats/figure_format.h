// Figures as text: "." as the decimal sign whatever the locale (to_chars
// never consults it), a fixed number of decimals, and one mark for a figure
// that is not defined.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orva {

inline constexpr char kUndefinedFigure[] = "\xE2\x80\x94"; // an em dash, UTF-8

// Digits after the decimal point of a numeric text, up to its exponent:
// "12.50" 2, " 85.1" 1, "12" 0, "1.5e2" 1.
int DecimalsOfText(std::string_view text);

// "12.35" for (12.345, 2); never "-0.00": a value that rounds to zero is
// written without a sign. kUndefinedFigure for nothing, an infinity or NaN.
std::string FormatFixed(std::optional<double> value, int decimals);

} // namespace orva
