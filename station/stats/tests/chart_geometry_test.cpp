// The chart's geometry: the value axis takes in readings and limits, the
// reduction per pixel column keeps every out-of-limit reading visible and
// the first and last reading in place, the histogram counts every value once.
#include "station/stats/chart_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace orva {
namespace {

TEST(ValueAxis, TakesInReadingsAndLimits) {
  struct Case {
    std::optional<double> min, max, high, low;
  };
  const Case cases[] = {
      {12.2, 12.8, 13.0, 12.0}, // readings inside the limits
      {5.0, 20.0, 13.0, 12.0},  // readings beyond both
      {12.5, 12.5, 13.0, std::nullopt},
      {84.0, 86.5, std::nullopt, std::nullopt},
      {-3.0, 2.0, 0.0, -1.0},
  };
  for (const Case& c : cases) {
    const ValueAxis axis = ScaleValueAxis(c.min, c.max, c.high, c.low);
    for (const auto& v : {c.min, c.max, c.high, c.low}) {
      if (!v) continue;
      EXPECT_LT(axis.low, *v) << *c.min;
      EXPECT_GT(axis.high, *v) << *c.min;
    }
    ASSERT_GT(axis.tickStep, 0.0);
    const std::vector<double> ticks = AxisTicks(axis);
    ASSERT_GE(ticks.size(), 3u);
    EXPECT_NEAR(ticks.front(), axis.low, 1e-9) << "the axis ends on whole ticks";
    EXPECT_NEAR(ticks.back(), axis.high, 1e-9);
  }
}

TEST(ValueAxis, DegenerateAndExtremeSpans) {
  const ValueAxis single = ScaleValueAxis(10.0, 10.0, std::nullopt, std::nullopt);
  EXPECT_LT(single.low, 10.0);
  EXPECT_GT(single.high, 10.0);
  const ValueAxis zero = ScaleValueAxis(0.0, 0.0, std::nullopt, std::nullopt);
  EXPECT_LT(zero.low, 0.0);
  EXPECT_GT(zero.high, 0.0);
  const ValueAxis none = ScaleValueAxis(std::nullopt, std::nullopt, std::nullopt, std::nullopt);
  EXPECT_LT(none.low, none.high);

  // Five characters can read as 9e307: the axis still has finite ends and
  // every value a row on it.
  const ValueAxis extreme = ScaleValueAxis(-9e307, 9e307, std::nullopt, std::nullopt);
  EXPECT_TRUE(std::isfinite(extreme.low) && std::isfinite(extreme.high));
  EXPECT_LT(extreme.low, extreme.high);
  EXPECT_EQ(PixelRow(extreme, 9e307, 10, 110), 10);
  EXPECT_EQ(PixelRow(extreme, 0.0, 10, 110), 60);
}

TEST(ValueAxis, PixelRows) {
  const ValueAxis axis{12.0, 13.0, 0.2, 1};
  EXPECT_EQ(PixelRow(axis, 13.0, 10, 110), 10);
  EXPECT_EQ(PixelRow(axis, 12.0, 10, 110), 110);
  EXPECT_EQ(PixelRow(axis, 12.25, 10, 110), 85);
  EXPECT_EQ(PixelRow(axis, 40.0, 10, 110), 10) << "beyond the axis: clamped";
  EXPECT_EQ(PixelRow(axis, -40.0, 10, 110), 110);
  EXPECT_EQ(PixelColumn(axis, 12.25, 10, 110), 35);
  EXPECT_EQ(PixelColumn(axis, 99.0, 10, 110), 110);
  EXPECT_EQ(AxisTicks(axis).size(), 6u);
}

// The column of reading i, found by its x.
const ChartColumn* ColumnAt(const std::vector<ChartColumn>& columns, int x) {
  for (const ChartColumn& c : columns)
    if (c.x == x) return &c;
  return nullptr;
}

TEST(ColumnReduction, EveryReadingInsideItsJudgementsExtent) {
  // 100,000 readings on 700 columns, a few out of the limits at random places.
  std::mt19937 random(7);
  std::normal_distribution<double> tension(12.5, 0.15);
  const int n = 100000, width = 700;
  std::vector<double> values(n);
  std::vector<Judgement> judgements(n, Judgement::Good);
  for (int i = 0; i < n; ++i) {
    values[i] = std::round(tension(random) * 100) / 100;
    if (values[i] > 12.9) judgements[i] = Judgement::High;
    if (values[i] < 12.1) judgements[i] = Judgement::Low;
    if (i % 997 == 0) {
      values[i] = NAN;
      judgements[i] = Judgement::None;
    }
  }
  values[0] = 11.0; // first and last lie far outside every other reading
  values[n - 1] = 14.0;
  judgements[0] = Judgement::Good;
  judgements[n - 1] = Judgement::Good;

  const std::vector<ChartColumn> columns = ReduceToColumns(values, judgements, width);
  ASSERT_EQ(columns.size(), static_cast<std::size_t>(width));
  int outOfLimit = 0;
  for (int i = 0; i < n; ++i) {
    const ChartColumn* column = ColumnAt(columns, static_cast<int>(std::int64_t{i} * width / n));
    ASSERT_NE(column, nullptr) << i;
    if (std::isnan(values[i])) continue;
    const Extent& e = column->byJudgement[static_cast<int>(judgements[i])];
    ASSERT_TRUE(e.any) << i;
    ASSERT_LE(e.min, values[i]) << i;
    ASSERT_GE(e.max, values[i]) << i;
    if (judgements[i] == Judgement::High || judgements[i] == Judgement::Low) ++outOfLimit;
  }
  EXPECT_GT(outOfLimit, 10);
  EXPECT_EQ(columns.front().x, 0);
  EXPECT_EQ(columns.front().byJudgement[0].min, 11.0) << "the first reading in the first column";
  EXPECT_EQ(columns.back().x, width - 1);
  EXPECT_EQ(columns.back().byJudgement[0].max, 14.0) << "the last reading in the last column";
}

TEST(ColumnReduction, OneOutOfLimitReadingAmongMany) {
  std::vector<double> values(10000, 12.5);
  std::vector<Judgement> judgements(10000, Judgement::Good);
  values[5003] = 13.4;
  judgements[5003] = Judgement::High;
  values[5004] = 11.6;
  judgements[5004] = Judgement::Low;
  const auto columns = ReduceToColumns(values, judgements, 100);
  const ChartColumn* c = ColumnAt(columns, 50);
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(c->byJudgement[static_cast<int>(Judgement::High)].any);
  EXPECT_EQ(c->byJudgement[static_cast<int>(Judgement::High)].max, 13.4);
  EXPECT_EQ(c->byJudgement[static_cast<int>(Judgement::Low)].min, 11.6);
  EXPECT_EQ(c->byJudgement[static_cast<int>(Judgement::Good)].max, 12.5) << "GOOD kept apart from HIGH";
  for (const ChartColumn& other : columns)
    if (other.x != 50) {
      EXPECT_FALSE(other.byJudgement[static_cast<int>(Judgement::High)].any) << other.x;
    }
}

TEST(ColumnReduction, FewReadingsSpreadOverTheWidth) {
  const std::vector<double> values{12.0, NAN, 13.0};
  const std::vector<Judgement> judgements{Judgement::Good, Judgement::None, Judgement::High};
  const auto columns = ReduceToColumns(values, judgements, 100);
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[0].x, 0);
  EXPECT_EQ(columns[1].x, 49);
  EXPECT_EQ(columns[2].x, 99);
  for (const Extent& e : columns[1].byJudgement) EXPECT_FALSE(e.any) << "a NaN draws nothing";
  const auto one = ReduceToColumns(std::vector<double>{12.0}, std::vector<Judgement>{Judgement::Good}, 100);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].x, 0);
  EXPECT_TRUE(ReduceToColumns({}, {}, 100).empty());
}

TEST(NiceStep, OneTwoOrFiveTimesAPowerOfTen) {
  struct Case {
    double span;
    int parts;
    double step;
  };
  const Case cases[] = {{2.0, 40, 0.05}, {0.1, 1, 0.1}, {1.0, 5, 0.2}, {1.419, 5, 0.5}, {0.3, 1, 0.5},
                        {7.0, 1, 10.0},  {1e-3, 1, 1e-3}, {250.0, 5, 50.0}};
  for (const Case& c : cases) EXPECT_NEAR(NiceStep(c.span, c.parts), c.step, c.step * 1e-12) << c.span;
  EXPECT_EQ(NiceStep(0.0, 5), 0.0);
}

TEST(Histogram, CountsEveryValueOnceInNiceBins) {
  std::vector<double> values;
  for (int i = 0; i < 100; ++i) values.push_back(12.0 + i / 100.0); // 12.00 .. 12.99
  values.push_back(NAN);
  const ValueAxis axis{12.0, 13.0, 0.2, 1};
  const Histogram h = BinValues(values, axis, 0.01, 20);
  EXPECT_NEAR(h.binWidth, 0.05, 1e-12);
  EXPECT_NEAR(h.start, 12.0, 1e-12);
  ASSERT_EQ(h.counts.size(), 20u);
  for (std::size_t b = 0; b < h.counts.size(); ++b) EXPECT_EQ(h.counts[b], 5) << "bin " << b << " edge values";
  EXPECT_EQ(h.Peak(), 5);

  // No bin finer than the readings' step: 40 bins of 0.025 would leave every
  // other one empty for readings in steps of 0.1.
  const Histogram coarse = BinValues(values, axis, 0.1, 40);
  EXPECT_GE(coarse.binWidth, 0.1 - 1e-12);
  EXPECT_LE(coarse.counts.size(), 40u);
  EXPECT_EQ(std::accumulate(coarse.counts.begin(), coarse.counts.end(), std::int64_t{0}), 100);

  // The axis of a run around 12.5 N between 12 and 13 N: 40 bins of 0.05.
  const Histogram run = BinValues(values, ValueAxis{11.5, 13.5, 0.5, 1}, 0.01, 40);
  EXPECT_NEAR(run.binWidth, 0.05, 1e-12);
  EXPECT_EQ(run.counts.size(), 40u);

  const Histogram capped = BinValues(values, ValueAxis{0.0, 1000.0, 200.0, 0}, 0.01, 7);
  EXPECT_LE(capped.counts.size(), 7u);
  EXPECT_EQ(std::accumulate(capped.counts.begin(), capped.counts.end(), std::int64_t{0}), 100);
}

} // namespace
} // namespace orva
