// Mean, spread and extremes of a stream of values, kept incrementally with
// Welford's method: the mean and the sum of squared deviations are updated
// per value, so large offsets (10000001, 10000003, ...) lose no digits the
// way a sum of squares would.
#pragma once

#include <cstdint>
#include <optional>

namespace orva {

class RunningMoments {
public:
  void Add(double value);
  void Clear() { *this = RunningMoments{}; }

  std::int64_t Count() const { return count_; }
  // Nothing before the first value.
  std::optional<double> Mean() const;
  std::optional<double> Min() const;
  std::optional<double> Max() const;
  std::optional<double> Range() const;
  // Sample standard deviation (n - 1); nothing for fewer than two values.
  std::optional<double> SampleStdDev() const;

private:
  std::int64_t count_ = 0;
  double mean_ = 0.0;
  double squaredDeviations_ = 0.0;
  double min_ = 0.0;
  double max_ = 0.0;
};

} // namespace orva
