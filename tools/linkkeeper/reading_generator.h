// Plausible meter readings: values scattered around a nominal tension and
// frequency, every n-th one an outlier, repeatable for a given seed, each
// formatted as the meter's five-character texts. Portable: no windows.h.
#pragma once

#include <cstdint>

#include "tools/linkkeeper/scenario.h"

namespace linkkeeper {

// Five characters for a value, "." as the decimal point whatever the
// locale: two decimals below 100 ("12.50", "05.25"), one below 1000
// ("112.5"), none above ("01125"); negative values give "00.00" and values
// beyond 99999 give "99999".
std::array<char, 5> FormatReadingText(double value);

class ReadingGenerator {
 public:
  ReadingGenerator(double tension, double frequency, double scatter, int outlierEvery,
                   std::uint32_t seed);
  explicit ReadingGenerator(const Scenario& s)
      : ReadingGenerator(s.tension, s.frequency, s.scatter, s.outlierEvery, s.seed) {}

  // The next reading. Both texts carry the same relative deviation, so a
  // reading judged in N and the same reading judged in Hz agree. Reading
  // k (1-based) with k % outlierEvery == 0 lies 15 % above or below nominal
  // (plus scatter); the others lie within ±scatter.
  ReadingText Next();

  // Relative deviation of the last reading (value / nominal - 1).
  double lastDeviation() const { return lastDeviation_; }
  int count() const { return count_; }

 private:
  double Uniform(); // [0, 1)

  double tension_;
  double frequency_;
  double scatter_;
  int outlierEvery_;
  std::uint64_t state_;
  int count_ = 0;
  double lastDeviation_ = 0;
};

} // namespace linkkeeper
