// The rules as the Windows build runs them: the numeric rule under the
// Windows C runtime and a German locale, and the text boundary.
#include "numeric_text.h"
#include "win/text_convert.h"

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

TEST(StationSettingsWindowsRules, TextBoundary) {
  EXPECT_EQ(WideFromUtf8("ｱﾗｰﾑNo."), L"\xFF71\xFF97\xFF70\xFF91No.");
  EXPECT_EQ(Utf8FromWide(L"\x6E2C\x5B9A\x4E2D"), "測定中");
  EXPECT_EQ(WideFromUtf8(""), L"");
  EXPECT_EQ(Utf8FromWide(L""), "");
  // Embedded NULs survive (the meter's texts may carry them).
  EXPECT_EQ(WideFromUtf8("1.5\0\0"s), L"1.5\0\0"s);
  EXPECT_EQ(Utf8FromWide(L"a\0b"s), "a\0b"s);
  // ASCII passes through the ANSI code page unchanged, whatever it is.
  EXPECT_EQ(AnsiFromUtf8("High Limit 80N"), "High Limit 80N");
  EXPECT_EQ(Utf8FromAnsi("Low  Limit 60N"), "Low  Limit 60N");
}

TEST(StationSettingsWindowsRules, AnsiCodePageRoundTrip) {
  const UINT acp = GetACP();
  if (acp == 932) {
    EXPECT_EQ(Utf8FromAnsi(AnsiFromUtf8("上限値 ")), "上限値 ");
  } else if (acp == 1252) {
    EXPECT_EQ(AnsiFromUtf8("\xC3\xA9"), "\xE9");         // é
    EXPECT_EQ(Utf8FromAnsi("\xE9"), "\xC3\xA9");
    EXPECT_EQ(AnsiFromUtf8("上限"), "??");                // no ANSI form
  } else {
    GTEST_SKIP() << "ANSI code page " << acp;
  }
}

} // namespace
} // namespace orva
