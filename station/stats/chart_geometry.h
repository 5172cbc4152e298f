// Geometry of the run chart and the histogram, free of any drawing: the
// value axis (covering the readings and the limits), the reduction of the
// readings to pixel columns, and the histogram's bins.
#pragma once

#include "station/judgement.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orva {

struct ValueAxis {
  double low = 0.0, high = 1.0; // low < high, both finite
  double tickStep = 0.0;        // 0: no ticks (an extreme span)
  int tickDecimals = 0;
};

// 1, 2 or 5 times a power of ten, near span / parts.
double NiceStep(double span, int parts);

// Covers every given value and limit with a margin, its ends on whole ticks;
// a single value (or none) still gets a span around it.
ValueAxis ScaleValueAxis(std::optional<double> dataMin, std::optional<double> dataMax,
                         std::optional<double> highLimit, std::optional<double> lowLimit);

// The ticks from low to high inclusive (at most 50).
std::vector<double> AxisTicks(const ValueAxis& axis);

// Pixel row of a value between `top` (axis.high) and `bottom` (axis.low),
// rounded; values beyond the axis are clamped to its ends.
int PixelRow(const ValueAxis& axis, double value, int top, int bottom);
// Pixel column of a value between `left` (axis.low) and `right` (axis.high).
int PixelColumn(const ValueAxis& axis, double value, int left, int right);

// The readings of one pixel column, as the extent of each judgement's values
// there (index: the Judgement). Drawing each extent as a bar, out-of-limit
// ones last, shows every reading's pixel in its own colour.
struct Extent {
  double min = 0.0, max = 0.0;
  bool any = false;
  void Add(double value);
};
struct ChartColumn {
  int x = 0; // 0 .. columns - 1
  std::array<Extent, 4> byJudgement;
};

// With no more readings than columns every reading gets its own column,
// spread over the width; with more, consecutive readings share a column
// (reading i goes to column i * columns / n), so the first reading is in
// column 0 and the last in the last column. NaN values take their place
// but draw nothing.
std::vector<ChartColumn> ReduceToColumns(std::span<const double> values, std::span<const Judgement> judgements,
                                         int columns);

struct Histogram {
  double start = 0.0, binWidth = 1.0;
  std::vector<std::int64_t> counts;
  std::int64_t Peak() const;
};

// Bins of a nice width, no finer than `resolution` (the readings' own step,
// so no bin falls between two possible readings), at most maxBins, covering
// the axis; NaN values are left out.
Histogram BinValues(std::span<const double> values, const ValueAxis& axis, double resolution, int maxBins);

} // namespace orva
