// The alarm screen's text and the cleaning of the library's error texts.
#include "station/alarm_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace orva {
namespace {

using namespace std::string_literals;

TEST(StationAlarmText, FiveLinesWhenTheSecondTextIsEmpty) {
  EXPECT_EQ(AlarmText("english", 5, 2, "Sensor error", ""),
            "Alarm No. 5\r\n\r\nSub Code: 2\r\n\r\nSensor error\r\n");
}

TEST(StationAlarmText, LinesPerText) {
  const struct {
    const char* language;
    std::int32_t alarm, sub;
    const char* text1;
    const char* text2;
    std::string expected;
  } cases[] = {
      {"english", 7, -1, "", "", "Alarm No. 7\r\n\r\nSub Code:-1\r\n\r\n\r\n"}, // text1 line even when empty
      {"english", 0, 0, "a", "b", "Alarm No. 0\r\n\r\nSub Code: 0\r\n\r\na\r\nb\r\n"},
      {"english", -12, 3, "", "second", "Alarm No.-12\r\n\r\nSub Code: 3\r\n\r\n\r\nsecond\r\n"},
      {"japanese", 5, 2, "x", "", "ｱﾗｰﾑNo. 5\r\n\r\nｻﾌﾞｺｰﾄﾞ: 2\r\n\r\nx\r\n"},
      {"English", 5, 2, "x", "", "ｱﾗｰﾑNo. 5\r\n\r\nｻﾌﾞｺｰﾄﾞ: 2\r\n\r\nx\r\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AlarmText(c.language, c.alarm, c.sub, c.text1, c.text2), c.expected) << c.language;
}

TEST(StationAlarmText, ErrorTextsCutAtNulAndTrailingBlanks) {
  const struct {
    std::string buffer;
    std::string cleaned;
  } cases[] = {
      {"Overload   \0garbage  "s, "Overload"},
      {"\0text"s, ""},
      {"  lead kept  "s, "  lead kept"},
      {"tab kept\t \0"s, "tab kept\t"},
      {std::string(128, 'x'), std::string(128, 'x')}, // no NUL at all: the whole buffer, no more
      {std::string(128, ' '), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanErrorText(c.buffer.data(), c.buffer.size()), c.cleaned);
  EXPECT_EQ(CleanErrorText(nullptr, 128), "");
}

} // namespace
} // namespace orva
