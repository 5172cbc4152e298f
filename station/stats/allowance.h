// The allowance as the main window holds it: the two limit texts as typed
// and the limit unit (0 = N, 1 = Hz).
#pragma once

#include <string>

namespace orva {

struct Allowance {
  std::string highText;
  std::string lowText;
  int limitUnitMode = 0;
  friend bool operator==(const Allowance&, const Allowance&) = default;
};

// "N" or "Hz".
const char* LimitUnitName(int limitUnitMode);

} // namespace orva
