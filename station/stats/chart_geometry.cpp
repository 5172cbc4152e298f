#include "station/stats/chart_geometry.h"

#include <algorithm>
#include <cmath>

namespace orva {
namespace {

constexpr int kAxisParts = 5;
constexpr int kMaxTicks = 50;
constexpr double kMargin = 0.05; // of the span, above and below
// Spares a value that sits on a bin edge from rounding into the bin below.
constexpr double kEdgeSlack = 1e-9;

} // namespace

double NiceStep(double span, int parts) {
  if (!(span > 0.0) || !std::isfinite(span) || parts < 1) return 0.0;
  const double raw = span / parts;
  // log10 and pow are a hair off on some runtimes (log10(0.1) > -1): the
  // slack keeps 0.1 from becoming 0.2 and 0.05 from becoming 0.1.
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw) + kEdgeSlack));
  const double normal = raw / magnitude;
  const double nice = normal <= 1.0 + kEdgeSlack   ? 1.0
                      : normal <= 2.0 + kEdgeSlack ? 2.0
                      : normal <= 5.0 + kEdgeSlack ? 5.0
                                                   : 10.0;
  return nice * magnitude;
}

ValueAxis ScaleValueAxis(std::optional<double> dataMin, std::optional<double> dataMax,
                         std::optional<double> highLimit, std::optional<double> lowLimit) {
  std::optional<double> lo, hi;
  for (const std::optional<double>& v : {dataMin, dataMax, highLimit, lowLimit}) {
    if (!v || !std::isfinite(*v)) continue;
    lo = lo ? std::min(*lo, *v) : *v;
    hi = hi ? std::max(*hi, *v) : *v;
  }
  if (!lo) return {};
  double low = *lo, high = *hi;
  if (high == low) {
    const double pad = low == 0.0 ? 1.0 : std::fabs(low) * kMargin;
    low -= pad;
    high += pad;
  } else {
    const double pad = (high / 2 - low / 2) * 2 * kMargin;
    low -= pad;
    high += pad;
  }
  ValueAxis axis;
  const double step = NiceStep(high - low, kAxisParts);
  if (step > 0.0 && std::isfinite(std::floor(low / step) * step) && std::isfinite(std::ceil(high / step) * step)) {
    axis.low = std::floor(low / step + kEdgeSlack) * step;
    axis.high = std::ceil(high / step - kEdgeSlack) * step;
    axis.tickStep = step;
    axis.tickDecimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + kEdgeSlack)));
  } else {
    // A span beyond the doubles: the ends as they are, no ticks.
    axis.low = std::isfinite(low) ? low : *lo;
    axis.high = std::isfinite(high) ? high : *hi;
    if (!(axis.high > axis.low)) return {};
  }
  return axis;
}

std::vector<double> AxisTicks(const ValueAxis& axis) {
  std::vector<double> ticks;
  if (!(axis.tickStep > 0.0)) return ticks;
  const double first = std::ceil(axis.low / axis.tickStep - kEdgeSlack);
  const double last = std::floor(axis.high / axis.tickStep + kEdgeSlack);
  for (double k = first; k <= last && ticks.size() < kMaxTicks; ++k) ticks.push_back(k * axis.tickStep);
  return ticks;
}

namespace {

// Where a value lies on the axis, 0 at its low end to 1 at its high end.
double AxisShare(const ValueAxis& axis, double value) {
  // Halves throughout: differences of any two finite doubles stay finite.
  const double share = (value / 2 - axis.low / 2) / (axis.high / 2 - axis.low / 2);
  return std::clamp(std::isfinite(share) ? share : 0.0, 0.0, 1.0);
}

} // namespace

int PixelRow(const ValueAxis& axis, double value, int top, int bottom) {
  return static_cast<int>(std::lround(bottom - AxisShare(axis, value) * (bottom - top)));
}

int PixelColumn(const ValueAxis& axis, double value, int left, int right) {
  return static_cast<int>(std::lround(left + AxisShare(axis, value) * (right - left)));
}

void Extent::Add(double value) {
  if (std::isnan(value)) return;
  if (!any || value < min) min = value;
  if (!any || value > max) max = value;
  any = true;
}

std::vector<ChartColumn> ReduceToColumns(std::span<const double> values, std::span<const Judgement> judgements,
                                         int columns) {
  std::vector<ChartColumn> reduced;
  const std::int64_t n = static_cast<std::int64_t>(std::min(values.size(), judgements.size()));
  if (n == 0 || columns < 1) return reduced;
  const bool spread = n <= columns;
  reduced.reserve(static_cast<std::size_t>(std::min<std::int64_t>(n, columns)));
  for (std::int64_t i = 0; i < n; ++i) {
    const int x = spread ? (n == 1 ? 0 : static_cast<int>(i * (columns - 1) / (n - 1)))
                         : static_cast<int>(i * columns / n);
    if (spread || reduced.empty() || reduced.back().x != x) reduced.push_back(ChartColumn{x, {}});
    reduced.back().byJudgement[static_cast<std::size_t>(judgements[i])].Add(values[i]);
  }
  return reduced;
}

std::int64_t Histogram::Peak() const {
  return counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
}

Histogram BinValues(std::span<const double> values, const ValueAxis& axis, double resolution, int maxBins) {
  Histogram h;
  maxBins = std::max(maxBins, 1);
  const double span = axis.high - axis.low;
  double width = std::max(NiceStep(span, maxBins), resolution > 0.0 ? resolution : 0.0);
  if (!(width > 0.0) || !std::isfinite(span)) {
    width = span > 0.0 && std::isfinite(span) ? span : 1.0;
  }
  h.start = std::floor(axis.low / width + kEdgeSlack) * width;
  double bins = std::ceil((axis.high - h.start) / width - kEdgeSlack);
  while (bins > maxBins) { // a nice step a little too fine for the rounded ends
    width = NiceStep(width * 2.0, 1);
    h.start = std::floor(axis.low / width + kEdgeSlack) * width;
    bins = std::ceil((axis.high - h.start) / width - kEdgeSlack);
  }
  if (!std::isfinite(h.start) || !(bins >= 1.0)) {
    h.start = axis.low;
    bins = 1.0;
    width = std::isfinite(span) && span > 0.0 ? span : 1.0;
  }
  h.binWidth = width;
  h.counts.assign(static_cast<std::size_t>(bins), 0);
  const auto last = static_cast<std::int64_t>(h.counts.size()) - 1;
  for (const double v : values) {
    if (std::isnan(v)) continue;
    const double at = std::floor((v - h.start) / width + kEdgeSlack);
    const std::int64_t bin = std::isfinite(at) ? std::clamp(static_cast<std::int64_t>(std::clamp(at, -1.0, 1e15)), std::int64_t{0}, last) : (v > 0 ? last : 0);
    ++h.counts[static_cast<std::size_t>(bin)];
  }
  return h;
}

} // namespace orva
