// An entry is refused for what would trouble the operator later: a name that
// cannot be told apart or shown, and limits START would refuse, with
// START's own message for those.
#include "station/allowances/allowance_entry.h"
#include "station/run_flow.h"
#include "station/tests/run_fakes.h"

#include "devlink/link_block.h"

#include <gtest/gtest.h>

#include <string>

namespace orva {
namespace {

AllowanceEntry Entry(std::string name, std::string high, std::string low, std::string title = "") {
  return {std::move(name), LimitUnit::N, std::move(high), std::move(low), std::move(title)};
}

TEST(AllowanceEntry, RefusedForItsFirstFaultInTheOperatorsOrder) {
  const std::string kana = "\xE3\x83\x99"; // one Japanese character, three bytes
  std::string kanaName;
  for (size_t i = 0; i < kMaxNameChars; ++i) kanaName += kana;
  const struct {
    AllowanceEntry entry;
    AllowanceFault fault;
  } cases[] = {
      {Entry("Drive belt", "13", "12", "Line 3"), AllowanceFault::None},
      {Entry("V", "95", "0.0"), AllowanceFault::None},  // START rewrites it as "0" and accepts it
      {Entry(kanaName, "13", "12"), AllowanceFault::None}, // 64 characters, 192 bytes
      {Entry(kanaName + kana, "13", "12"), AllowanceFault::NameTooLong},
      {Entry(std::string(1000, 'x'), "13", "12"), AllowanceFault::NameTooLong},
      {Entry("", "x", "y"), AllowanceFault::NameEmpty},
      {Entry("Tab\there", "13", "12"), AllowanceFault::ControlCharacter},
      {Entry("Belt", "13\n", "12"), AllowanceFault::ControlCharacter},
      {Entry("Belt", "13", "12", std::string("a\0b", 3)), AllowanceFault::ControlCharacter},
      {Entry("Belt", std::string(kMaxLimitChars + 1, '1'), "12"), AllowanceFault::FieldTooLong},
      {Entry("Belt", "13", "12", std::string(kMaxTitleChars + 1, 't')), AllowanceFault::FieldTooLong},
      {Entry("Belt", "13", "12", std::string(kMaxTitleChars, 't')), AllowanceFault::None},
      // START's order: the high limit first, then the low one, then the two.
      {Entry("Belt", "", "12"), AllowanceFault::HighNotNumeric},
      {Entry("Belt", "0", "-5"), AllowanceFault::HighNotNumeric},
      {Entry("Belt", "abc", "zz"), AllowanceFault::HighNotNumeric},
      {Entry("Belt", "13", "twelve"), AllowanceFault::LowNotNumeric},
      {Entry("Belt", "12", "12"), AllowanceFault::NotAscending},
      {Entry("Belt", "5", "10"), AllowanceFault::NotAscending},
      {Entry("Belt", "1e1", "9.99"), AllowanceFault::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry.name.substr(0, 20) + "|" + c.entry.high + "|" + c.entry.low);
    EXPECT_EQ(CheckEntry(c.entry), c.fault);
  }
}

// The refusal of an entry's limits is the very box START shows for them.
TEST(AllowanceEntry, LimitRefusalsSayWhatStartSays) {
  std::vector<std::string> log;
  test::RecordingView view;
  test::RecordingDevice device;
  test::MemoryRunLog runLog;
  view.log = device.log = &log;
  const std::string language = kEnglish, saveType = "false";
  for (const char* lang : {kEnglish, "japanese"}) {
    for (const auto& [high, low] : {std::pair{"", "1"}, {"9", "x"}, {"5", "6"}}) {
      SCOPED_TRACE(std::string(lang) + " " + high + "/" + low);
      const std::string curLanguage = lang;
      RunFlow flow(view, device, runLog, {curLanguage, saveType});
      flow.BeginLoad();
      flow.LoadLimits(high, low, 0);
      flow.LinkMessage(devlink::kNotifyHandlerRunning);
      view.told.clear();
      flow.StartClicked();
      ASSERT_EQ(view.told.size(), 1u);
      const AllowanceFault fault = CheckEntry(Entry("Belt", high, low));
      EXPECT_TRUE(IsLimitFault(fault));
      EXPECT_EQ(FaultText(lang, fault), view.told[0].text);
    }
  }
}

TEST(AllowanceEntry, NamesLoseTheirBlanksAtEitherEndOnly) {
  EXPECT_EQ(TrimmedName("  Drive  belt \t"), "Drive  belt");
  EXPECT_EQ(TrimmedName(" \t "), "");
}

TEST(AllowanceEntry, Utf8IsCheckedStrictlyAndCountedInCharacters) {
  const struct {
    std::string text;
    bool valid;
    size_t chars;
  } cases[] = {
      {"abc", true, 3},
      {"\xE3\x83\x99\xE3\x83\xAB\xE3\x83\x88", true, 3}, // ベルト
      {"\xF0\x9F\x94\xA7", true, 1},                     // four bytes
      {"\x83\x78\x83\x8B\x83\x67", false, 0},            // the same word in Shift-JIS
      {"\xE3\x83", false, 0},                            // cut short at the end
      {"\xC0\xAF", false, 0},                            // overlong "/"
      {"\xED\xA0\x80", false, 0},                        // a surrogate
      {"\xF4\x90\x80\x80", false, 0},                    // above U+10FFFF
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(Utf8Length(c.text), c.chars) << c.text;
    }
  }
}

} // namespace
} // namespace orva
