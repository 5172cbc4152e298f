// Reading texts and the generator: always five characters, locale-free,
// repeatable by seed, scattered within bounds, outliers every n-th reading.
#include "tools/linkkeeper/reading_generator.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace linkkeeper {
namespace {

std::string S(const std::array<char, 5>& a) { return std::string(a.begin(), a.end()); }

double Value(const std::array<char, 5>& a) { return std::strtod(S(a).c_str(), nullptr); }

TEST(ReadingText, FormatsInFiveCharacters) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {12.5, "12.50"},    {85.0, "85.00"},    {0.0, "00.00"},     {5.25, "05.25"},
      {9.999, "10.00"},   {99.994, "99.99"},  {99.996, "100.0"},  {112.54, "112.5"},
      {999.94, "999.9"},  {999.96, "01000"},  {1125.4, "01125"},  {99999.0, "99999"},
      {250000.0, "99999"}, {-3.0, "00.00"},   {NAN, "00.00"},     {0.004, "00.00"},
      {0.005, "00.01"},
  };
  for (const auto& c : cases) EXPECT_EQ(S(FormatReadingText(c.value)), c.text) << c.value;
}

TEST(ReadingText, IgnoresTheLocaleDecimalComma) {
  // Only takes effect where the locale is installed; harmless otherwise.
  const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
  EXPECT_EQ(S(FormatReadingText(12.5)), "12.50");
  if (set != nullptr) std::setlocale(LC_ALL, "C");
}

TEST(ReadingGenerator, SameSeedSameReadingsOtherSeedOthers) {
  ReadingGenerator a(12.5, 85.0, 0.02, 7, 42), b(12.5, 85.0, 0.02, 7, 42), c(12.5, 85.0, 0.02, 7, 43);
  int differing = 0;
  for (int i = 0; i < 50; ++i) {
    const ReadingText ra = a.Next(), rb = b.Next(), rc = c.Next();
    EXPECT_EQ(ra, rb) << i;
    differing += ra == rc ? 0 : 1;
  }
  EXPECT_GT(differing, 40);
}

TEST(ReadingGenerator, ScatterBoundsAndOutlierEveryNth) {
  const double scatter = 0.02;
  ReadingGenerator g(12.5, 85.0, scatter, 5, 9);
  int above = 0, below = 0;
  for (int k = 1; k <= 500; ++k) {
    const ReadingText r = g.Next();
    const double dev = g.lastDeviation();
    if (k % 5 == 0) {
      EXPECT_GE(std::fabs(dev), 0.15 - scatter - 1e-9) << k;
      EXPECT_LE(std::fabs(dev), 0.15 + scatter + 1e-9) << k;
      (dev > 0 ? above : below)++;
    } else {
      EXPECT_LE(std::fabs(dev), scatter + 1e-9) << k;
    }
    // Both texts carry the same deviation (within rounding of the text).
    EXPECT_NEAR(Value(r.tension), 12.5 * (1 + dev), 0.006) << k;
    EXPECT_NEAR(Value(r.frequency), 85.0 * (1 + dev), 0.006) << k;
  }
  EXPECT_GT(above, 20);
  EXPECT_GT(below, 20);
}

TEST(ReadingGenerator, NoOutliersWhenEveryIsZeroAndNoScatterGivesNominal) {
  ReadingGenerator g(12.5, 85.0, 0.0, 0, 3);
  for (int k = 0; k < 30; ++k) {
    const ReadingText r = g.Next();
    EXPECT_EQ(S(r.tension), "12.50");
    EXPECT_EQ(S(r.frequency), "85.00");
  }
}

TEST(ReadingGenerator, ExtremeNominalsStillGiveFiveDigitsOrPoint) {
  ReadingGenerator g(0.0, 250000.0, 1.0, 2, 5);
  for (int k = 0; k < 100; ++k) {
    const ReadingText r = g.Next();
    for (char ch : r.tension) EXPECT_TRUE((ch >= '0' && ch <= '9') || ch == '.');
    for (char ch : r.frequency) EXPECT_TRUE((ch >= '0' && ch <= '9') || ch == '.');
  }
}

} // namespace
} // namespace linkkeeper
