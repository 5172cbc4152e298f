#include "station/stats/capability.h"

#include "station/numeric_text.h"

#include <algorithm>
#include <cmath>

namespace orva {

Capability CapabilityAgainst(const RunningMoments& moments, std::string_view highText, std::string_view lowText) {
  const std::optional<double> sd = moments.SampleStdDev();
  const std::optional<double> high = ParseNumericText(highText);
  const std::optional<double> low = ParseNumericText(lowText);
  if (!sd || !(*sd > 0.0) || !std::isfinite(*sd) || !high || !low || !(*high > *low)) return {};
  const double mean = *moments.Mean();
  return {(*high - *low) / (6.0 * *sd), std::min(*high - mean, mean - *low) / (3.0 * *sd)};
}

} // namespace orva
