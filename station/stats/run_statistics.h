// The figures of the current run: every reading since START, counted by
// judgement, with mean, spread and extremes of tension and frequency over
// the readings whose text is numeric (ParseNumericText decides). Every
// reading's two values (NaN where the text is not numeric) and its judgement
// are kept for the run chart: 20 bytes a reading.
//
// The object is meant to outlive the statistics window: it counts while no
// window shows it.
#pragma once

#include "station/judgement.h"
#include "station/reading.h"
#include "station/stats/running_moments.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orva {

enum class Quantity { Tension, Frequency };

// The quantity judged in a limit unit (0 = N: tension, else frequency).
Quantity QuantityOfUnit(int limitUnitMode);

class RunStatistics {
public:
  void Clear();
  void Add(std::int32_t readingNo, const ReadingTexts& texts, Judgement judgement);

  std::int64_t Readings() const { return static_cast<std::int64_t>(judgements_.size()); }
  std::int64_t CountOf(Judgement judgement) const;
  // GOOD readings per reading, in percent; nothing before the first reading.
  std::optional<double> GoodRatePercent() const;

  const RunningMoments& Moments(Quantity quantity) const;
  // The most digits after the decimal point among the numeric texts.
  int Decimals(Quantity quantity) const;

  // Per reading, in the order they arrived.
  std::span<const double> Values(Quantity quantity) const;
  std::span<const Judgement> Judgements() const { return judgements_; }
  // The station's number of the first reading (0 before it).
  std::int32_t FirstReadingNo() const { return firstReadingNo_; }

  // Bytes held for the kept readings (reserved capacity included).
  std::size_t KeptBytes() const;

private:
  struct Series {
    RunningMoments moments;
    int decimals = 0;
    std::vector<double> values;
    void Add(const std::string& text);
  };
  const Series& Of(Quantity quantity) const { return quantity == Quantity::Tension ? tension_ : frequency_; }

  Series tension_, frequency_;
  std::vector<Judgement> judgements_;
  std::int64_t counts_[4] = {};
  std::int32_t firstReadingNo_ = 0;
};

} // namespace orva
