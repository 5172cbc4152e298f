// The numeric-text rule and the Str form.
#include "station/numeric_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace orva {
namespace {

struct NumericCase {
  std::string text;
  bool numeric;
  double value;
};

void ExpectNumericCases(const std::vector<NumericCase>& cases) {
  for (const NumericCase& c : cases) {
    const auto parsed = ParseNumericText(c.text);
    EXPECT_EQ(parsed.has_value(), c.numeric) << "text [" << c.text << "]";
    EXPECT_EQ(IsNumericText(c.text), c.numeric) << "text [" << c.text << "]";
    if (parsed && c.numeric) {
      EXPECT_DOUBLE_EQ(*parsed, c.value) << "text [" << c.text << "]";
    }
  }
}

TEST(StationNumericRule, SignsAndPlainNumbers) {
  ExpectNumericCases({
      {"0", true, 0.0},        {"12.50", true, 12.5},   {"09.99", true, 9.99},
      {"+7", true, 7.0},       {"-3.25", true, -3.25},  {"-", false, 0},
      {"+", false, 0},         {"--1", false, 0},       {"+-1", false, 0},
      {"1-", false, 0},        {"1.2.3", false, 0},     {"00085", true, 85.0},
  });
}

TEST(StationNumericRule, BlanksAroundOnly) {
  ExpectNumericCases({
      {" 12.5", true, 12.5},   {"12.5  ", true, 12.5}, {"\t8\t", true, 8.0},
      {" \t-4 ", true, -4.0},  {"1 2", false, 0},      {"- 5", false, 0},
      {"   ", false, 0},       {"\t", false, 0},       {"\n5", false, 0},
      {"5\r", false, 0},
  });
}

TEST(StationNumericRule, LeadingAndTrailingDots) {
  ExpectNumericCases({
      {"5.", true, 5.0},   {".5", true, 0.5},  {"-.5", true, -0.5}, {"+5.", true, 5.0},
      {".", false, 0},     {"-.", false, 0},   {" . ", false, 0},   {"..5", false, 0},
  });
}

TEST(StationNumericRule, Exponents) {
  ExpectNumericCases({
      {"1e3", true, 1000.0},     {"2.5E-1", true, 0.25},  {"1E+2", true, 100.0},
      {".5e1", true, 5.0},       {"5.e1", true, 50.0},    {"1e", false, 0},
      {"1e+", false, 0},         {"e3", false, 0},        {"1e3.5", false, 0},
      {"1e 3", false, 0},        {"1e-400", true, 0.0},   {"1e400", false, 0},
      {"1e99999999999999999999", false, 0},             {"0e99999999999", true, 0.0},
  });
}

TEST(StationNumericRule, EmptyLettersNulsAndNonAscii) {
  using namespace std::string_literals;
  ExpectNumericCases({
      {"", false, 0},
      {"abcde", false, 0},
      {"12a", false, 0},
      {"0x10", false, 0},
      {"&H10", false, 0},
      {"1,5", false, 0},
      {"1d3", false, 0},
      {"inf", false, 0},
      {"nan", false, 0},
      {"12\0"s, false, 0},
      {"\0"s "12"s, false, 0},
      {"1\0"s "2"s, false, 0},
      {"\0\0\0\0\0"s, false, 0},
      {"12\xA0", false, 0},             // non-breaking blank of the ANSI code page
      {"\xEF\xBC\x91\xEF\xBC\x92", false, 0}, // full-width digits
      {"\xB1\xB2", false, 0},
  });
}

TEST(StationNumericRule, FiveByteReadingTexts) {
  using namespace std::string_literals;
  ExpectNumericCases({
      {"12.50", true, 12.5}, {" 9.99", true, 9.99}, {"85.0 ", true, 85.0},
      {"-0.00", true, 0.0},  {"12.5\0"s, false, 0}, {"-----", false, 0},
  });
}

TEST(StationNumericRule, DecimalPointIsDotWhateverTheLocale) {
  const char* const candidates[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"};
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const char* chosen = nullptr;
  for (const char* name : candidates) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      chosen = name;
      break;
    }
  }
  if (chosen == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const bool commaLocale = std::string(std::localeconv()->decimal_point) == ",";
  const auto dot = ParseNumericText("12.50");
  const bool commaNumeric = IsNumericText("12,50");
  std::setlocale(LC_ALL, previous.c_str());
  if (!commaLocale) GTEST_SKIP() << chosen << " has no decimal comma";
  ASSERT_TRUE(dot.has_value());
  EXPECT_DOUBLE_EQ(*dot, 12.5);
  EXPECT_FALSE(commaNumeric);
}

TEST(StationNumericRule, NegativeZeroKeepsItsSign) {
  const auto value = ParseNumericText("-0");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, 0.0);
  EXPECT_TRUE(std::signbit(*value));
}

TEST(StationStrForm, LeadingBlankOrMinus) {
  const struct {
    std::int64_t value;
    const char* text;
  } cases[] = {
      {0, " 0"},
      {5, " 5"},
      {-3, "-3"},
      {2049, " 2049"},
      {-2147483648LL, "-2147483648"},
      {std::numeric_limits<std::int64_t>::max(), " 9223372036854775807"},
      {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
  };
  for (const auto& c : cases) EXPECT_EQ(StrForm(c.value), c.text) << c.value;
}

} // namespace
} // namespace orva
