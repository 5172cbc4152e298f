#include "station/stats/running_moments.h"

#include <cmath>

namespace orva {

void RunningMoments::Add(double value) {
  ++count_;
  const double delta = value - mean_;
  mean_ += delta / static_cast<double>(count_);
  squaredDeviations_ += delta * (value - mean_);
  if (count_ == 1 || value < min_) min_ = value;
  if (count_ == 1 || value > max_) max_ = value;
}

std::optional<double> RunningMoments::Mean() const {
  if (count_ == 0) return std::nullopt;
  return mean_;
}

std::optional<double> RunningMoments::Min() const {
  if (count_ == 0) return std::nullopt;
  return min_;
}

std::optional<double> RunningMoments::Max() const {
  if (count_ == 0) return std::nullopt;
  return max_;
}

std::optional<double> RunningMoments::Range() const {
  if (count_ == 0) return std::nullopt;
  return max_ - min_;
}

std::optional<double> RunningMoments::SampleStdDev() const {
  if (count_ < 2) return std::nullopt;
  // Rounding can leave a hair below zero for equal values; never a NaN.
  return std::sqrt(std::fmax(squaredDeviations_, 0.0) / static_cast<double>(count_ - 1));
}

} // namespace orva
