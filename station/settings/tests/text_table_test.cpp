// The text table and PickText.
#include "station/settings/text_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace orva {
namespace {

bool IsValidUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

TEST(StationTextTable, EveryPairIsFilledAndUtf8) {
  for (int i = 0; i < static_cast<int>(Text::Count); ++i) {
    const TextPair& pair = TextPairOf(static_cast<Text>(i));
    EXPECT_FALSE(pair.japanese.empty()) << i;
    EXPECT_FALSE(pair.english.empty()) << i;
    EXPECT_TRUE(IsValidUtf8(std::string(pair.japanese))) << i;
    // The English column is plain ASCII: it reaches files in any ANSI code page unchanged.
    for (const char c : pair.english) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << i;
  }
}

TEST(StationTextTable, TrickyTextsByteForByte) {
  const struct {
    Text id;
    const char* english;
    const char* japanese;
  } cases[] = {
      {Text::HighLimitTitle, "High Limit ", "上限値 "},
      {Text::LowLimitTitle, "Low  Limit ", "下限値 "},
      {Text::AlarmNo, "Alarm No.", "\xEF\xBD\xB1\xEF\xBE\x97\xEF\xBD\xB0\xEF\xBE\x91No."}, // half-width
      {Text::SubCode, "Sub Code:", "\xEF\xBD\xBB\xEF\xBE\x8C\xEF\xBE\x9E\xEF\xBD\xBA\xEF\xBD\xB0\xEF\xBE\x84\xEF\xBE\x9E:"},
      {Text::OverwriteIt, "overwrite it ?", "上書きしますか。"},
      {Text::AlreadyExists, "has already existed.", "は既に存在します。"},
      {Text::DllNotFound, "DLL(meterlink.dll) is not found.", "DLL(meterlink.dll)が見つかりません"},
      {Text::HighAboveLow, "Set bigger value in high limit than low limit.",
       "上限値は下限値より大きな値を設定してください。"},
      {Text::WindowCaption, "Sound Wave Style Tension Meter", "音波式張力計"},
      {Text::TitleLabel, "TENSOWAVE", "TENSOWAVE"},
      {Text::Reset, "RESET", "アラーム解除"},
      {Text::DiagExeStarted, "Start of USB EXE was completed", "USB EXE 起動完了"},
      {Text::DiagDataReceived, "Receive data from USB", "USB データ受信"},
      {Text::MeasureScreen, "MEASURE screen", "測定画面"},
      {Text::MenuVersion, "Version", "バージョン"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::string(TextPairOf(c.id).english), c.english);
    EXPECT_EQ(std::string(TextPairOf(c.id).japanese), c.japanese) << c.english;
  }
}

TEST(StationTextTable, PickTextNeedsExactlyEnglish) {
  const struct {
    const char* language;
    const char* expected;
  } cases[] = {
      {"english", "Allowance"}, {"English", "許容値"},  {"ENGLISH", "許容値"},
      {"", "許容値"},           {"japanese", "許容値"}, {"english ", "許容値"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PickText(c.language, Text::AllowanceTitle), c.expected) << "[" << c.language << "]";
    EXPECT_EQ(PickText(c.language, "許容値", "Allowance"), c.expected) << "[" << c.language << "]";
  }
}

TEST(StationTextTable, FillInReplacesEachPlaceholder) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"Page %1 of %2", "Page 3 of 143"},
      {"%2 pages, %1 first", "143 pages, 3 first"},
      {"%1%1", "33"},
      {"100% sure, %3 stays", "100% sure, %3 stays"},
      {"ends with %", "ends with %"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FillIn(c.text, "3", "143"), c.expected) << c.text;
}

} // namespace
} // namespace orva
