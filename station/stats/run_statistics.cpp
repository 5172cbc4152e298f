#include "station/stats/run_statistics.h"

#include "station/numeric_text.h"
#include "station/stats/figure_format.h"

#include <limits>

namespace orva {

Quantity QuantityOfUnit(int limitUnitMode) {
  return limitUnitMode == 1 ? Quantity::Frequency : Quantity::Tension;
}

void RunStatistics::Series::Add(const std::string& text) {
  const std::optional<double> value = ParseNumericText(text);
  if (!value) {
    values.push_back(std::numeric_limits<double>::quiet_NaN());
    return;
  }
  values.push_back(*value);
  moments.Add(*value);
  if (const int d = DecimalsOfText(text); d > decimals) decimals = d;
}

void RunStatistics::Clear() {
  // Swapped out, not cleared, so a long run's memory goes back at START.
  *this = RunStatistics{};
}

void RunStatistics::Add(std::int32_t readingNo, const ReadingTexts& texts, Judgement judgement) {
  if (judgements_.empty()) firstReadingNo_ = readingNo;
  tension_.Add(texts.tension);
  frequency_.Add(texts.frequency);
  judgements_.push_back(judgement);
  ++counts_[static_cast<int>(judgement)];
}

std::int64_t RunStatistics::CountOf(Judgement judgement) const { return counts_[static_cast<int>(judgement)]; }

std::optional<double> RunStatistics::GoodRatePercent() const {
  if (judgements_.empty()) return std::nullopt;
  return 100.0 * static_cast<double>(CountOf(Judgement::Good)) / static_cast<double>(Readings());
}

const RunningMoments& RunStatistics::Moments(Quantity quantity) const { return Of(quantity).moments; }

int RunStatistics::Decimals(Quantity quantity) const { return Of(quantity).decimals; }

std::span<const double> RunStatistics::Values(Quantity quantity) const { return Of(quantity).values; }

std::size_t RunStatistics::KeptBytes() const {
  return (tension_.values.capacity() + frequency_.values.capacity()) * sizeof(double) +
         judgements_.capacity() * sizeof(Judgement);
}

} // namespace orva
