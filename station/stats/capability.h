// Process capability of the run against the allowance: Cp compares the
// allowance's width with six standard deviations, Cpk the distance from the
// mean to the nearer limit with three.
#pragma once

#include "station/stats/running_moments.h"

#include <optional>
#include <string_view>

namespace orva {

struct Capability {
  std::optional<double> cp;
  std::optional<double> cpk;
};

// Neither is defined for fewer than two values, a standard deviation of 0
// (or one too large to be finite), a limit text that is not numeric, or a
// high limit that is not above the low one (no allowance: START refuses it).
Capability CapabilityAgainst(const RunningMoments& moments, std::string_view highText, std::string_view lowText);

} // namespace orva
