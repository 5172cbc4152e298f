// Readings from a small self-contained PRNG (splitmix64), so a seed gives the
// same readings with every compiler and standard library.
#include "tools/linkkeeper/reading_generator.h"

#include <cmath>

namespace linkkeeper {

namespace {
constexpr double kOutlierDeviation = 0.15;

void PutDigits(long long value, char* out, int width) {
  for (int i = width - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}
} // namespace

std::array<char, 5> FormatReadingText(double value) {
  std::array<char, 5> text{};
  if (!(value > 0)) value = 0; // also NaN
  // Pick the most decimals whose rounded value still fits in five characters.
  for (const int decimals : {2, 1}) {
    const long long scale = decimals == 2 ? 100 : 10;
    const int whole = 4 - decimals; // digits before the point
    const long long scaled = std::llround(value * static_cast<double>(scale));
    if (scaled < (whole == 2 ? 100 : 1000) * scale) {
      PutDigits(scaled / scale, &text[0], whole);
      text[static_cast<std::size_t>(whole)] = '.';
      PutDigits(scaled % scale, &text[static_cast<std::size_t>(whole) + 1], decimals);
      return text;
    }
  }
  const long long whole = std::llround(value);
  PutDigits(whole > 99999 ? 99999 : whole, &text[0], 5);
  return text;
}

ReadingGenerator::ReadingGenerator(double tension, double frequency, double scatter,
                                   int outlierEvery, std::uint32_t seed)
    : tension_(tension),
      frequency_(frequency),
      scatter_(scatter),
      outlierEvery_(outlierEvery),
      state_(0x9E3779B97F4A7C15ull ^ seed) {}

double ReadingGenerator::Uniform() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

ReadingText ReadingGenerator::Next() {
  ++count_;
  double deviation = scatter_ * (2 * Uniform() - 1);
  const bool outlier = outlierEvery_ > 0 && count_ % outlierEvery_ == 0;
  const bool above = Uniform() < 0.5; // drawn every time: the sequence stays aligned
  if (outlier) deviation += above ? kOutlierDeviation : -kOutlierDeviation;
  lastDeviation_ = deviation;
  ReadingText r;
  r.tension = FormatReadingText(tension_ * (1 + deviation));
  r.frequency = FormatReadingText(frequency_ * (1 + deviation));
  return r;
}

} // namespace linkkeeper
