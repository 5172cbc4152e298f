#include "station/stats/win/chart_painter.h"

#include "station/numeric_text.h"
#include "station/settings/text_table.h"
#include "station/stats/chart_geometry.h"
#include "station/stats/figure_format.h"
#include "winkit/selected_object.h"
#include "winkit/text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orva {
namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kFrameColour = RGB(128, 128, 128);
constexpr COLORREF kGridColour = RGB(225, 225, 225);
constexpr COLORREF kLimitColour = RGB(0, 128, 0);
constexpr COLORREF kBarColour = RGB(150, 170, 200);
constexpr COLORREF kTextColour = RGB(0, 0, 0);

constexpr int kRunChartShare = 58;   // percent of the height above the histogram
// Pixels at 96 dpi, scaled to the window's (Px).
constexpr int kValueLabelWidth = 52; // left of a plot, for the value labels
constexpr int kRightMargin = 18;     // room for half of the last value label
constexpr int kMaxBins = 40;
constexpr int kMinBinPixels = 4;

int Px(const ChartScene& scene, int pixels) { return MulDiv(pixels, scene.dpi, 96); }

// Out-of-limit readings are drawn last, so no other colour covers them.
constexpr std::array<Judgement, 4> kDrawOrder = {Judgement::Good, Judgement::None, Judgement::Low,
                                                 Judgement::High};

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  SetBkColor(dc, colour);
  const RECT r{left, top, right, bottom};
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr); // the cheapest solid fill
}

void DrawLabel(HDC dc, int x, int y, const std::string& utf8, UINT align) {
  const std::wstring wide = winkit::WideFromUtf8(utf8);
  SetTextAlign(dc, align);
  TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void HorizontalLine(HDC dc, int left, int right, int y, COLORREF colour, int style) {
  winkit::SelectedObject pen(dc, CreatePen(style, 1, colour));
  MoveToEx(dc, left, y, nullptr);
  LineTo(dc, right, y);
}

void VerticalLine(HDC dc, int x, int top, int bottom, COLORREF colour, int style) {
  winkit::SelectedObject pen(dc, CreatePen(style, 1, colour));
  MoveToEx(dc, x, top, nullptr);
  LineTo(dc, x, bottom);
}

void Frame(HDC dc, const RECT& plot) {
  winkit::SelectedObject pen(dc, CreatePen(PS_SOLID, 1, kFrameColour));
  winkit::SelectedObject brush(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, plot.left - 1, plot.top - 1, plot.right + 1, plot.bottom + 1);
}

struct Limits {
  std::optional<double> high, low;
};

// Writes the chart's title ("... (N)") and returns the plot's rectangle
// below it, with room for value labels on the left and below.
RECT TitledPlot(HDC dc, const RECT& area, const ChartScene& scene, Text title, int lineHeight) {
  const std::string unit = LimitUnitText(scene.allowance.limitUnitMode);
  DrawLabel(dc, area.left + Px(scene, 4), area.top + Px(scene, 2), FillIn(PickText(scene.curLanguage, title), unit, ""),
            TA_LEFT | TA_TOP);
  return RECT{area.left + Px(scene, kValueLabelWidth), area.top + lineHeight + Px(scene, 6),
              area.right - Px(scene, kRightMargin), area.bottom - lineHeight - Px(scene, 6)};
}

void RunChart(HDC dc, const RECT& area, const ChartScene& scene, const ValueAxis& axis, const Limits& limits,
              int lineHeight) {
  const RECT plot = TitledPlot(dc, area, scene, Text::StatsRunChart, lineHeight);
  if (plot.right - plot.left < 2 || plot.bottom - plot.top < 2) return;

  for (const double tick : AxisTicks(axis)) {
    const int y = PixelRow(axis, tick, plot.top, plot.bottom - 1);
    HorizontalLine(dc, plot.left, plot.right, y, kGridColour, PS_SOLID);
    DrawLabel(dc, plot.left - Px(scene, 4), y - lineHeight / 2, FormatFixed(tick, axis.tickDecimals), TA_RIGHT | TA_TOP);
  }
  Frame(dc, plot);

  const RunStatistics& stats = scene.stats;
  const Quantity quantity = QuantityOfUnit(scene.allowance.limitUnitMode);
  const int width = plot.right - plot.left;
  const auto columns = ReduceToColumns(stats.Values(quantity), stats.Judgements(), width);
  // Up to two readings a column, a dot at each end of an extent is a dot for
  // every reading; beyond that the extent is drawn as a bar.
  const bool dots = stats.Readings() <= 2 * static_cast<std::int64_t>(width);
  for (const Judgement judgement : kDrawOrder) {
    // The limits over the in-limit readings, under the out-of-limit ones.
    if (judgement == Judgement::Low)
      for (const auto& limit : {limits.high, limits.low})
        if (limit) HorizontalLine(dc, plot.left, plot.right, PixelRow(axis, *limit, plot.top, plot.bottom - 1),
                                  kLimitColour, PS_DASH);
    const COLORREF colour = JudgementColour(judgement);
    for (const ChartColumn& column : columns) {
      const Extent& e = column.byJudgement[static_cast<std::size_t>(judgement)];
      if (!e.any) continue;
      const int x = plot.left + column.x;
      const int top = PixelRow(axis, e.max, plot.top, plot.bottom - 1);
      const int bottom = PixelRow(axis, e.min, plot.top, plot.bottom - 1);
      if (dots) {
        const int before = Px(scene, 1), after = Px(scene, 2);
        const int left = std::max<int>(x - before, plot.left), right = std::min<int>(x + after, plot.right);
        FillBox(dc, left, top - before, right, top + after, colour);
        FillBox(dc, left, bottom - before, right, bottom + after, colour);
      } else {
        FillBox(dc, x, top, x + 1, bottom + 1, colour);
      }
    }
  }

  if (stats.Readings() > 0) {
    const std::int64_t first = stats.FirstReadingNo();
    DrawLabel(dc, plot.left, plot.bottom + Px(scene, 3), std::to_string(first), TA_LEFT | TA_TOP);
    DrawLabel(dc, plot.right, plot.bottom + Px(scene, 3), std::to_string(first + stats.Readings() - 1), TA_RIGHT | TA_TOP);
  }
}

void HistogramChart(HDC dc, const RECT& area, const ChartScene& scene, const ValueAxis& axis, const Limits& limits,
                    int lineHeight) {
  const RECT plot = TitledPlot(dc, area, scene, Text::StatsHistogram, lineHeight);
  const int width = plot.right - plot.left;
  if (width < 2 || plot.bottom - plot.top < 2) return;

  const Quantity quantity = QuantityOfUnit(scene.allowance.limitUnitMode);
  const double resolution = std::pow(10.0, -scene.stats.Decimals(quantity));
  const Histogram h = BinValues(scene.stats.Values(quantity), axis, resolution,
                                std::clamp(width / Px(scene, kMinBinPixels), 1, kMaxBins));
  // The axis along the bottom, as wide as the bins reach.
  const ValueAxis along{h.start, h.start + h.binWidth * static_cast<double>(h.counts.size()), axis.tickStep,
                        axis.tickDecimals};
  auto column = [&](double value) { return PixelColumn(along, value, plot.left, plot.right); };
  for (const double tick : AxisTicks(axis)) {
    const double slack = axis.tickStep * 1e-6; // bin edges and ticks meet a hair apart
    if (tick < along.low - slack || tick > along.high + slack) continue;
    const int x = std::clamp(column(tick), static_cast<int>(plot.left), static_cast<int>(plot.right));
    VerticalLine(dc, x, plot.top, plot.bottom, kGridColour, PS_SOLID);
    DrawLabel(dc, x, plot.bottom + Px(scene, 3), FormatFixed(tick, axis.tickDecimals), TA_CENTER | TA_TOP);
  }
  const std::int64_t peak = h.Peak();
  if (peak > 0) {
    DrawLabel(dc, plot.left - Px(scene, 4), plot.top - lineHeight / 2, std::to_string(peak), TA_RIGHT | TA_TOP);
    for (std::size_t b = 0; b < h.counts.size(); ++b) {
      if (h.counts[b] == 0) continue;
      const int left = column(h.start + h.binWidth * static_cast<double>(b));
      const int right = column(h.start + h.binWidth * static_cast<double>(b + 1));
      const int top = plot.bottom - static_cast<int>(h.counts[b] * (plot.bottom - plot.top) / peak);
      FillBox(dc, left, top, std::max(right - 1, left + 1), plot.bottom, kBarColour);
    }
  }
  for (const auto& limit : {limits.high, limits.low})
    if (limit && *limit >= along.low && *limit <= along.high)
      VerticalLine(dc, column(*limit), plot.top, plot.bottom, kLimitColour, PS_DASH);
  Frame(dc, plot);
}

} // namespace

void PaintCharts(HDC dc, const RECT& area, const ChartScene& scene) {
  const int saved = SaveDC(dc);
  if (scene.font) SelectObject(dc, scene.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTextColour);
  FillBox(dc, area.left, area.top, area.right, area.bottom, kPaper);
  SetBkMode(dc, TRANSPARENT);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int lineHeight = std::max<int>(metrics.tmHeight, 10);

  const Quantity quantity = QuantityOfUnit(scene.allowance.limitUnitMode);
  const RunningMoments& moments = scene.stats.Moments(quantity);
  const Limits limits{ParseNumericText(scene.allowance.highText), ParseNumericText(scene.allowance.lowText)};
  const ValueAxis axis = ScaleValueAxis(moments.Min(), moments.Max(), limits.high, limits.low);

  const int split = area.top + (area.bottom - area.top) * kRunChartShare / 100;
  RunChart(dc, RECT{area.left, area.top, area.right, split}, scene, axis, limits, lineHeight);
  HistogramChart(dc, RECT{area.left, split, area.right, area.bottom}, scene, axis, limits, lineHeight);
  RestoreDC(dc, saved);
}

} // namespace orva
