// The figures of the run as the statistics window shows them.
#pragma once

#include "station/allowance.h"
#include "station/stats/run_statistics.h"

#include <array>
#include <string>
#include <string_view>

namespace orva {

enum class Figure { Mean, StdDev, Min, Max, Range, Count };
inline constexpr std::size_t kFigureCount = static_cast<std::size_t>(Figure::Count);

struct FigureTexts {
  std::string readings, good, high, low, notNumeric, goodRate;
  // [Tension, Frequency][Figure]
  std::array<std::array<std::string, kFigureCount>, 2> byQuantity;
  std::string cp, cpk;
};

// Counts in plain digits, the GOOD rate with one decimal, mean and standard
// deviation one decimal finer than the finest reading, extremes and range
// as fine as it, Cp and Cpk with two; kUndefinedFigure where not defined.
FigureTexts MakeFigureTexts(const RunStatistics& stats, const Allowance& allowance);

} // namespace orva
