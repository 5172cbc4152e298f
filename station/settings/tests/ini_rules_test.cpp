// Value rules of the settings file.
#include "station/settings/ini_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace orva {
namespace {

using namespace std::string_literals;

TEST(StationIniRules, TrimAtNul) {
  EXPECT_EQ(TrimAtNul("abc\0def"s), "abc");
  EXPECT_EQ(TrimAtNul("\0abc"s), "");
  EXPECT_EQ(TrimAtNul("whole"), "whole");
  EXPECT_EQ(TrimAtNul(""), "");
}

TEST(StationIniRules, TrimsTrailingSpacesOnly) {
  EXPECT_EQ(TrimTrailingSpaces("Title   "), "Title");
  EXPECT_EQ(TrimTrailingSpaces("  lead"), "  lead");
  EXPECT_EQ(TrimTrailingSpaces("tab\t"), "tab\t");
  EXPECT_EQ(TrimTrailingSpaces("tab\t "), "tab\t");
  EXPECT_EQ(TrimTrailingSpaces("     "), "");
  EXPECT_EQ(TrimTrailingSpaces(""), "");
}

std::string Buffer(const std::string& value) {
  std::string buffer(kIniBufferSize, ' ');
  buffer.replace(0, value.size() + 1, value + '\0'); // as the platform fills it
  return buffer;
}

TEST(StationIniRules, ValueFromTheFilledBuffer) {
  const struct {
    std::string buffer;
    long count;
    std::string value;
  } cases[] = {
      {Buffer("Hz"), 2, "Hz"},
      {Buffer("My title   "), 11, "My title"},
      {Buffer(""), 0, ""},
      {Buffer("stale"), 0, ""},  // count 0: whatever the buffer holds
      {Buffer("stale"), -1, ""},
      {std::string(kIniBufferSize, ' '), 3, ""},          // no NUL: the spaces go
      {Buffer(std::string(254, 'x')), 254, std::string(254, 'x')},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IniValueFromBuffer(c.buffer.data(), c.buffer.size(), c.count), c.value) << c.count;
}

TEST(StationIniRules, LimitModeOnlyCapitalNIsNewtons) {
  const struct {
    const char* stored;
    short mode;
  } cases[] = {{"N", 0}, {"n", 1}, {"Hz", 1}, {"", 1}, {"N ", 1}, {"hz", 1}};
  for (const auto& c : cases) EXPECT_EQ(LimitModeFromIni(c.stored), c.mode) << "[" << c.stored << "]";
  EXPECT_STREQ(LimitModeToIni(0), "N");
  EXPECT_STREQ(LimitModeToIni(1), "Hz");
  EXPECT_STREQ(LimitModeToIni(2), "Hz");
}

} // namespace
} // namespace orva
