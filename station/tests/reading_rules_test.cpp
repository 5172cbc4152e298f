// Judging, grid bookkeeping, run-log lines and START's limit checks.
#include "station/grid_scroll.h"
#include "station/judgement.h"
#include "station/limit_check.h"
#include "station/reading.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace orva {
namespace {

using namespace std::string_literals;

TEST(StationJudgement, AgainstTheLimitBoxes) {
  const struct {
    const char* value;
    const char* high;
    const char* low;
    Judgement expected;
  } cases[] = {
      {"20.00", "20", "10", Judgement::Good}, // equal to the high limit
      {"10.00", "20", "10", Judgement::Good}, // equal to the low limit
      {"20.01", "20", "10", Judgement::High},
      {"09.99", "20", "10", Judgement::Low},
      {"15", "10", "20", Judgement::Low},     // both crossed: LOW is tested second
      {"99999", "abc", "", Judgement::Good},  // non-numeric limits impose nothing
      {"-5", "", "x", Judgement::Good},
      {"25", "20", "", Judgement::High},
      {"5", "", "10", Judgement::Low},
      {"abcde", "20", "10", Judgement::None},
      {"", "20", "10", Judgement::None},
      {" 1e1 ", "9.5", "0", Judgement::High},
  };
  for (const auto& c : cases)
    EXPECT_EQ(JudgeReading(c.value, ReadLimits(c.high, c.low)), c.expected)
        << c.value << " against " << c.high << "/" << c.low;
}

TEST(StationJudgement, TextsAndColours) {
  const struct {
    Judgement judgement;
    const char* text;
    std::uint32_t colour;
  } cases[] = {
      {Judgement::Good, "GOOD", 0xFF0000},
      {Judgement::High, "HIGH", 0x0000FF},
      {Judgement::Low, "LOW", 0xFF00FF},
      {Judgement::None, "", 0xFF00FF},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(JudgementText(c.judgement), c.text);
    EXPECT_EQ(JudgementColour(c.judgement), c.colour) << c.text;
  }
}

std::array<unsigned char, 65> Entry(const std::string& tenBytes) {
  std::array<unsigned char, 65> entry{};
  entry.fill(0xEE); // bytes 10 on are not used and must not leak into the texts
  for (std::size_t i = 0; i < 10 && i < tenBytes.size(); ++i) entry[i] = static_cast<unsigned char>(tenBytes[i]);
  return entry;
}

TEST(StationReading, EntrySplitsIntoFiveByteTexts) {
  const auto plain = SplitEntry(Entry("12.5085.00").data());
  EXPECT_EQ(plain.tension, "12.50");
  EXPECT_EQ(plain.frequency, "85.00");

  // NULs and high bytes are kept: five bytes make five characters.
  const auto raw = SplitEntry(Entry("1.5\0\0\xB1" "bcde"s).data());
  EXPECT_EQ(raw.tension, "1.5\0\0"s);
  EXPECT_EQ(raw.frequency, "\xB1" "bcde"s);

  // N judges the tension; any other unit (the labels then read "Hz") the frequency.
  EXPECT_EQ(JudgedText(plain, 0), "12.50");
  EXPECT_EQ(JudgedText(plain, 1), "85.00");
  EXPECT_EQ(JudgedText(plain, 2), "85.00");
}

TEST(StationReading, GridRowTexts) {
  const auto row = MakeGridRow(1, ReadingTexts{"12.50", "abcde"}, Judgement::None);
  EXPECT_EQ(row.number, "No.  1");
  EXPECT_EQ(row.tension, "12.50 N");
  EXPECT_EQ(row.frequency, "abcde Hz");
  EXPECT_EQ(row.judgement, "");
  EXPECT_EQ(MakeGridRow(2049, ReadingTexts{"1", "2"}, Judgement::Good).number, "No.  2049");
}

TEST(StationRunLog, LineLayout) {
  const struct {
    std::int64_t no;
    ReadingTexts texts;
    Judgement judgement;
    std::string line;
  } cases[] = {
      {3, {"12.50", "85.00"}, Judgement::High, " 3,12.50,85.00,HIGH\r\n"},
      {12, {"09.99", "70.00"}, Judgement::Low, " 12,09.99,70.00,LOW\r\n"},
      {1, {"abcde", "1.0  "}, Judgement::None, " 1,abcde,1.0  ,\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(RunLogLine(c.no, c.texts, c.judgement), c.line);
}

TEST(StationRunLog, WhichReadingsAreKept) {
  const struct {
    const char* saveType;
    Judgement judgement;
    bool kept;
  } cases[] = {
      {"false", Judgement::Good, true},  {"false", Judgement::High, true},
      {"false", Judgement::Low, true},   {"false", Judgement::None, true},
      {"true", Judgement::Good, true},   {"true", Judgement::High, false},
      {"true", Judgement::None, false},  {"", Judgement::Good, true},
      {"", Judgement::Low, false},       {"False", Judgement::High, false},
      {"false ", Judgement::High, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KeepInRunLog(c.saveType, c.judgement), c.kept)
        << "[" << c.saveType << "] " << JudgementText(c.judgement);
}

TEST(StationGrid, RowWrapsPastTheRowCount) {
  EXPECT_EQ(NextGridRow(0), 1);
  EXPECT_EQ(NextGridRow(1), 2);
  EXPECT_EQ(NextGridRow(2047), 2048);
  EXPECT_EQ(NextGridRow(2048), 1); // reading 2049 goes to row 0 again
  EXPECT_EQ(NextGridRow(3, 3), 1);
  EXPECT_EQ(NextGridRow(2, 3), 3);
}

TEST(StationGrid, VisibleRows) {
  const struct {
    double gridHeight, rowHeight;
    std::int32_t rows;
  } cases[] = {
      {4950, 240, 19},  // 20.6 rows fit: integer part minus one
      {4800, 240, 19},  // exactly 20
      {480, 240, 1},    // 2 - 1
      {240, 240, 1},    // 1 - 1 = 0, at least 1
      {0, 240, 1},
      {4950, 0, 1},     // no row height: no division
      {-100, 240, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VisibleRows(c.gridHeight, c.rowHeight), c.rows) << c.gridHeight << "/" << c.rowHeight;
}

TEST(StationGrid, ScrollKeepsTheLatestRowInView) {
  const struct {
    std::int32_t gridRow, topRow, visible, expectedTop;
  } cases[] = {
      {1, 30, 19, 0},   // back to the top on wrap
      {2, 0, 19, 0},
      {19, 0, 19, 0},   // still in view
      {20, 0, 19, 1},   // one past: scroll by one
      {21, 1, 19, 2},
      {1, 0, 19, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScrolledTopRow(c.gridRow, c.topRow, c.visible), c.expectedTop) << "row " << c.gridRow;

  // A whole run: after reading n (n > visible) the top row is n - visible.
  std::int32_t row = 0, top = 0;
  for (int reading = 1; reading <= 2100; ++reading) {
    row = NextGridRow(row);
    top = ScrolledTopRow(row, top, 19);
    if (row == 1) {
      EXPECT_EQ(top, 0);
    }
    if (row > 19) {
      EXPECT_EQ(top, row - 19) << "reading " << reading;
    }
  }
}

TEST(StationLimitCheck, StartRefusesBadLimits) {
  const struct {
    const char* high;
    const char* low;
    LimitCheck outcome;
    bool lowBecomesZero;
  } cases[] = {
      {"10", "5", LimitCheck::Accepted, false},
      {"5", "10", LimitCheck::NotAscending, false},
      {"10", "10", LimitCheck::NotAscending, false},
      {"10.0", "10", LimitCheck::NotAscending, false},
      {"0", "-5", LimitCheck::HighNotNumeric, false}, // 0 is a number, still refused
      {"0.0", "-5", LimitCheck::HighNotNumeric, false},
      {"", "5", LimitCheck::HighNotNumeric, false},
      {"abc", "5", LimitCheck::HighNotNumeric, false},
      {"10", "", LimitCheck::LowNotNumeric, false},
      {"10", "x", LimitCheck::LowNotNumeric, false},
      {"10", "0.0", LimitCheck::Accepted, true},     // the box then shows "0"
      {"10", "-0", LimitCheck::Accepted, true},
      {"-1", "0.00", LimitCheck::NotAscending, true}, // rewritten before the order check
      {"-1", "-2", LimitCheck::Accepted, false},
      {" 20 ", " 1e1", LimitCheck::Accepted, false},
  };
  for (const auto& c : cases) {
    const LimitCheckResult result = CheckLimits(c.high, c.low);
    EXPECT_EQ(result.outcome, c.outcome) << c.high << "/" << c.low;
    EXPECT_EQ(result.lowBecomesZero, c.lowBecomesZero) << c.high << "/" << c.low;
  }
}

} // namespace
} // namespace orva
