// Numeric texts and the Str form. The grammar is checked by hand; the
// conversion of the checked digits goes through std::from_chars, which never
// consults the C locale (strtod and friends would read "," as the decimal
// point on a German system).
#include "station/numeric_text.h"

#include <charconv>
#include <system_error>

namespace orva {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents beyond this are saturated: the value is then 0 or out of range
// whatever the mantissa, and the conversion gets a short text.
constexpr long kExponentCap = 99999;

struct Parts {
  bool negative = false;
  std::string_view intDigits;
  std::string_view fracDigits;
  long exponent = 0;
};

// Splits text per the grammar in the header; false when it does not match.
bool Split(std::string_view text, Parts& parts) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    parts.negative = text[i] == '-';
    ++i;
  }
  std::size_t start = i;
  while (i < n && IsDigit(text[i])) ++i;
  parts.intDigits = text.substr(start, i - start);
  if (i < n && text[i] == '.') {
    ++i;
    start = i;
    while (i < n && IsDigit(text[i])) ++i;
    parts.fracDigits = text.substr(start, i - start);
  }
  if (parts.intDigits.empty() && parts.fracDigits.empty()) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      expNegative = text[i] == '-';
      ++i;
    }
    if (i >= n || !IsDigit(text[i])) return false;
    long exponent = 0;
    while (i < n && IsDigit(text[i])) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (exponent > kExponentCap) exponent = kExponentCap;
    parts.exponent = expNegative ? -exponent : exponent;
  }
  while (i < n && IsBlank(text[i])) ++i;
  return i == n;
}

// Decimal order of magnitude of a non-zero mantissa with its exponent; only
// its sign matters, to tell overflow from underflow.
long DecimalOrder(const Parts& parts) {
  const std::string digits = std::string(parts.intDigits) + std::string(parts.fracDigits);
  const std::size_t firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) return -1;
  return static_cast<long>(parts.intDigits.size()) - static_cast<long>(firstNonZero) - 1 +
         parts.exponent;
}

} // namespace

std::optional<double> ParseNumericText(std::string_view text) {
  Parts parts;
  if (!Split(text, parts)) return std::nullopt;

  // Unsigned, with digits on both sides of the point, so every from_chars
  // implementation reads it the same way.
  std::string normal;
  normal.reserve(parts.intDigits.size() + parts.fracDigits.size() + 12);
  normal += parts.intDigits.empty() ? std::string_view("0") : parts.intDigits;
  normal += '.';
  normal += parts.fracDigits.empty() ? std::string_view("0") : parts.fracDigits;
  if (parts.exponent != 0) {
    normal += 'e';
    normal += std::to_string(parts.exponent);
  }

  double value = 0.0;
  const char* first = normal.data();
  const char* last = first + normal.size();
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (DecimalOrder(parts) >= 0) return std::nullopt; // beyond the largest double
    value = 0.0;
  } else if (result.ec != std::errc() || result.ptr != last) {
    return std::nullopt;
  }
  return parts.negative ? -value : value;
}

std::string StrForm(std::int64_t value) {
  // Magnitude as unsigned so that the most negative value needs no negation.
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, magnitude);
  std::string text(1, value < 0 ? '-' : ' ');
  text.append(digits, result.ptr);
  return text;
}

} // namespace orva
