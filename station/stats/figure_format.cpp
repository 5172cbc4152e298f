#include "station/stats/figure_format.h"

#include <charconv>
#include <cmath>

namespace orva {

int DecimalsOfText(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return 0;
  int digits = 0;
  for (std::size_t i = point + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++digits;
  return digits;
}

std::string FormatFixed(std::optional<double> value, int decimals) {
  if (!value || !std::isfinite(*value)) return kUndefinedFigure;
  char buffer[400]; // the largest double in fixed notation has 309 digits
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return kUndefinedFigure;
  std::string text(buffer, result.ptr);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

} // namespace orva
