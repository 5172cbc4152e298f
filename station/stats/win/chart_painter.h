// Draws the run chart (reading number against the value in the current
// limit unit, limit lines, each point in its judgement colour) above the
// histogram of the same values with the limits marked, into any device
// context: the window's panel, the clipboard's bitmap, the PNG picture.
#pragma once

#include "station/allowance.h"
#include "station/stats/run_statistics.h"

#include <string>
#include <windows.h>

namespace orva {

struct ChartScene {
  const RunStatistics& stats;
  const Allowance& allowance;
  const std::string& curLanguage;
  HFONT font; // the labels' font; may be null
  int dpi = 96; // the window's pixels per inch: margins and dots follow it
};

void PaintCharts(HDC dc, const RECT& area, const ChartScene& scene);

} // namespace orva
