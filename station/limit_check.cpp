// START's limit checks.
#include "station/limit_check.h"

#include "station/numeric_text.h"

namespace orva {

LimitCheckResult CheckLimits(std::string_view highText, std::string_view lowText) {
  const auto high = ParseNumericText(highText);
  // A high limit of 0 is refused like a non-number: it would leave no room
  // above a non-negative low limit.
  if (!high || *high == 0.0) return {LimitCheck::HighNotNumeric, false};
  const auto low = ParseNumericText(lowText);
  if (!low) return {LimitCheck::LowNotNumeric, false};
  const bool lowBecomesZero = *low == 0.0;
  if (!(*high > *low)) return {LimitCheck::NotAscending, lowBecomesZero};
  return {LimitCheck::Accepted, lowBecomesZero};
}

} // namespace orva
