#include "station/stats/stats_figures.h"

#include "station/stats/capability.h"
#include "station/stats/figure_format.h"

#include <algorithm>

namespace orva {
namespace {

constexpr int kMaxShownDecimals = 6;

std::array<std::string, kFigureCount> QuantityFigures(const RunStatistics& stats, Quantity quantity) {
  const RunningMoments& m = stats.Moments(quantity);
  const int decimals = std::min(stats.Decimals(quantity), kMaxShownDecimals);
  return {FormatFixed(m.Mean(), decimals + 1), FormatFixed(m.SampleStdDev(), decimals + 1),
          FormatFixed(m.Min(), decimals), FormatFixed(m.Max(), decimals), FormatFixed(m.Range(), decimals)};
}

} // namespace

FigureTexts MakeFigureTexts(const RunStatistics& stats, const Allowance& allowance) {
  FigureTexts t;
  t.readings = std::to_string(stats.Readings());
  t.good = std::to_string(stats.CountOf(Judgement::Good));
  t.high = std::to_string(stats.CountOf(Judgement::High));
  t.low = std::to_string(stats.CountOf(Judgement::Low));
  t.notNumeric = std::to_string(stats.CountOf(Judgement::None));
  t.goodRate = FormatFixed(stats.GoodRatePercent(), 1);
  t.byQuantity[0] = QuantityFigures(stats, Quantity::Tension);
  t.byQuantity[1] = QuantityFigures(stats, Quantity::Frequency);
  const Capability c = CapabilityAgainst(stats.Moments(QuantityOfUnit(allowance.limitUnitMode)),
                                         allowance.highText, allowance.lowText);
  t.cp = FormatFixed(c.cp, 2);
  t.cpk = FormatFixed(c.cpk, 2);
  return t;
}

} // namespace orva
