// The rules as the Windows build runs them: the numeric rule under the
// Windows C runtime and a German locale.
#include "station/numeric_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <clocale>
#include <string>

namespace orva {
namespace {

using namespace std::string_literals;

TEST(StationSettingsWindowsRules, NumericRuleWithADecimalCommaLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "German_Germany.1252") == nullptr && std::setlocale(LC_ALL, "German") == nullptr)
    GTEST_SKIP() << "no German locale in this runtime";
  const bool comma = std::string(std::localeconv()->decimal_point) == ",";
  const auto dot = ParseNumericText("12.50");
  const auto exponent = ParseNumericText(" 2.5E-1 ");
  const bool commaNumeric = IsNumericText("12,50");
  std::setlocale(LC_ALL, previous.c_str());
  if (!comma) GTEST_SKIP() << "the German locale has no decimal comma here";
  ASSERT_TRUE(dot.has_value());
  EXPECT_DOUBLE_EQ(*dot, 12.5);
  ASSERT_TRUE(exponent.has_value());
  EXPECT_DOUBLE_EQ(*exponent, 0.25);
  EXPECT_FALSE(commaNumeric);
}

} // namespace
} // namespace orva
