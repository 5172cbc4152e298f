// The limit checks that START makes before it opens a run.
#pragma once

#include <string_view>

namespace orva {

enum class LimitCheck {
  Accepted,
  HighNotNumeric, // high limit not numeric or exactly 0: the number message
  LowNotNumeric,  // the number message
  NotAscending,   // high not greater than low: the order message
};

struct LimitCheckResult {
  LimitCheck outcome;
  bool lowBecomesZero; // the low limit's value is exactly 0: its box is set to "0"
};

// lowBecomesZero is set as soon as the low limit is known to be numeric and
// 0, also when the order check then fails (the box is rewritten before it).
LimitCheckResult CheckLimits(std::string_view highText, std::string_view lowText);

} // namespace orva
