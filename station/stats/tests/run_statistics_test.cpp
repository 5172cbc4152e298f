// The run's figures: certified data sets for the stability of the mean and
// the standard deviation, the numeric-text rule deciding what is counted,
// Cp/Cpk and where they are not defined, and clearing at START.
#include "station/stats/capability.h"
#include "station/stats/run_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace orva {
namespace {

RunningMoments MomentsOf(const std::vector<double>& values) {
  RunningMoments m;
  for (double v : values) m.Add(v);
  return m;
}

TEST(RunningMoments, CertifiedDataSets) {
  // Large offset, tiny spread: a sum of squares would lose every digit here.
  const RunningMoments large = MomentsOf({10000001, 10000003, 10000002});
  EXPECT_DOUBLE_EQ(*large.Mean(), 10000002.0);
  EXPECT_NEAR(*large.SampleStdDev(), 1.0, 1e-12);
  EXPECT_DOUBLE_EQ(*large.Min(), 10000001.0);
  EXPECT_DOUBLE_EQ(*large.Max(), 10000003.0);
  EXPECT_DOUBLE_EQ(*large.Range(), 2.0);

  std::vector<double> pairs{1.2};
  for (int i = 0; i < 500; ++i) {
    pairs.push_back(1.1);
    pairs.push_back(1.3);
  }
  const RunningMoments fine = MomentsOf(pairs);
  EXPECT_EQ(fine.Count(), 1001);
  EXPECT_NEAR(*fine.Mean(), 1.2, 1e-13);
  EXPECT_NEAR(*fine.SampleStdDev(), 0.1, 1e-13);
}

TEST(RunningMoments, FiguresNeedEnoughValues) {
  RunningMoments m;
  EXPECT_FALSE(m.Mean());
  EXPECT_FALSE(m.Min());
  EXPECT_FALSE(m.Range());
  m.Add(12.5);
  EXPECT_DOUBLE_EQ(*m.Mean(), 12.5);
  EXPECT_DOUBLE_EQ(*m.Range(), 0.0);
  EXPECT_FALSE(m.SampleStdDev()) << "one value has no sample standard deviation";
  m.Add(12.5);
  EXPECT_EQ(*m.SampleStdDev(), 0.0);
}

ReadingTexts Texts(std::string tension, std::string frequency) { return {tension, frequency}; }

TEST(RunStatistics, NumericTextRuleDecidesWhatIsCounted) {
  RunStatistics s;
  s.Add(1, Texts("12.50", "85.00"), Judgement::Good);
  s.Add(2, Texts(" 13.5", "abcde"), Judgement::High);
  s.Add(3, Texts("12,50", "84.5 "), Judgement::None); // a comma is no decimal sign
  s.Add(4, Texts(std::string("1\0" "2.5", 5), "  .5 "), Judgement::None);
  s.Add(5, Texts("1.1e1", "     "), Judgement::Low);

  EXPECT_EQ(s.Readings(), 5);
  EXPECT_EQ(s.CountOf(Judgement::Good), 1);
  EXPECT_EQ(s.CountOf(Judgement::High), 1);
  EXPECT_EQ(s.CountOf(Judgement::Low), 1);
  EXPECT_EQ(s.CountOf(Judgement::None), 2);
  EXPECT_DOUBLE_EQ(*s.GoodRatePercent(), 20.0);

  const RunningMoments& tension = s.Moments(Quantity::Tension);
  EXPECT_EQ(tension.Count(), 3); // 12.50, 13.5, 11
  EXPECT_DOUBLE_EQ(*tension.Min(), 11.0);
  EXPECT_DOUBLE_EQ(*tension.Max(), 13.5);
  const RunningMoments& frequency = s.Moments(Quantity::Frequency);
  EXPECT_EQ(frequency.Count(), 3); // 85, 84.5, .5
  EXPECT_DOUBLE_EQ(*frequency.Min(), 0.5);

  // Kept per reading for the chart, NaN where not numeric.
  const auto values = s.Values(Quantity::Tension);
  ASSERT_EQ(values.size(), 5u);
  EXPECT_DOUBLE_EQ(values[1], 13.5);
  EXPECT_TRUE(std::isnan(values[2]));
  EXPECT_TRUE(std::isnan(values[3]));
  ASSERT_EQ(s.Judgements().size(), 5u);
  EXPECT_EQ(s.Judgements()[4], Judgement::Low);
  EXPECT_EQ(s.Decimals(Quantity::Tension), 2);
  EXPECT_EQ(s.Decimals(Quantity::Frequency), 2);
  EXPECT_EQ(s.FirstReadingNo(), 1);
}

TEST(RunStatistics, ClearStartsTheRunAfresh) {
  RunStatistics s;
  for (int i = 1; i <= 1000; ++i) s.Add(i, Texts("12.50", "85.25"), Judgement::High);
  ASSERT_GT(s.KeptBytes(), 1000u * 20u - 1);
  s.Clear();
  EXPECT_EQ(s.Readings(), 0);
  EXPECT_EQ(s.CountOf(Judgement::High), 0);
  EXPECT_FALSE(s.GoodRatePercent());
  EXPECT_EQ(s.Moments(Quantity::Frequency).Count(), 0);
  EXPECT_TRUE(s.Values(Quantity::Tension).empty());
  EXPECT_EQ(s.Decimals(Quantity::Frequency), 0);
  EXPECT_EQ(s.KeptBytes(), 0u) << "a long run's memory is given back";
  s.Add(1, Texts("9.5", "80"), Judgement::Good);
  EXPECT_DOUBLE_EQ(*s.Moments(Quantity::Tension).Mean(), 9.5);
  EXPECT_EQ(s.Decimals(Quantity::Tension), 1);
}

TEST(RunStatistics, LimitUnitPicksTheQuantity) {
  EXPECT_EQ(QuantityOfUnit(0), Quantity::Tension);
  EXPECT_EQ(QuantityOfUnit(1), Quantity::Frequency);
  EXPECT_EQ(QuantityOfUnit(2), Quantity::Tension) << "only 1 means Hz, as in judging";
}

TEST(Capability, AgainstTheAllowance) {
  struct Case {
    std::vector<double> values;
    const char* high;
    const char* low;
    double cp, cpk;
  };
  const double sd = std::sqrt(0.02); // of 12.4 and 12.6; also of 12.8 and 13.0
  const Case cases[] = {
      {{12.4, 12.6}, "13", "12", 1.0 / (6 * sd), 0.5 / (3 * sd)},          // centred: Cp = Cpk
      {{12.8, 13.0}, " 13.00", "12.00", 1.0 / (6 * sd), 0.1 / (3 * sd)},    // near the high limit
      {{11.8, 12.0}, "13", "12", 1.0 / (6 * sd), -0.1 / (3 * sd)},          // mean below low: negative
  };
  for (const Case& c : cases) {
    const Capability cap = CapabilityAgainst(MomentsOf(c.values), c.high, c.low);
    ASSERT_TRUE(cap.cp && cap.cpk) << c.values[0];
    EXPECT_NEAR(*cap.cp, c.cp, 1e-12) << c.values[0];
    EXPECT_NEAR(*cap.cpk, c.cpk, 1e-12) << c.values[0];
  }
}

TEST(Capability, NotDefined) {
  struct Case {
    std::vector<double> values;
    const char* high;
    const char* low;
    const char* why;
  };
  const Case cases[] = {
      {{}, "13", "12", "no values"},
      {{12.5}, "13", "12", "one value"},
      {{12.5, 12.5, 12.5}, "13", "12", "standard deviation 0"},
      {{12.4, 12.6}, "abc", "12", "high limit not numeric"},
      {{12.4, 12.6}, "13", "", "low limit empty"},
      {{12.4, 12.6}, "12", "13", "crossed limits"},
      {{12.4, 12.6}, "12", "12", "no width"},
      {{-9e307, 9e307}, "13", "12", "spread beyond the doubles"},
  };
  for (const Case& c : cases) {
    const Capability cap = CapabilityAgainst(MomentsOf(c.values), c.high, c.low);
    EXPECT_FALSE(cap.cp) << c.why;
    EXPECT_FALSE(cap.cpk) << c.why;
  }
}

} // namespace
} // namespace orva
