// The list file and the plant's spreadsheets: what is written reads back the
// same, and a damaged file loses its damaged lines only, each reported by
// number and reason.
#include "station/allowances/allowance_csv.h"
#include "station/allowances/allowance_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orva {
namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr char kHeader[] = "name,unit,high,low,title\r\n";
const std::string kBelt = "\xE3\x83\x99\xE3\x83\xAB\xE3\x83\x88"; // ベルト

std::vector<std::string> Names(const CsvReading& r) {
  std::vector<std::string> names;
  for (const auto& e : r.entries) names.push_back(e.name);
  return names;
}

TEST(AllowanceCsv, WhatIsWrittenReadsBackTheSame) {
  const std::vector<AllowanceEntry> entries = {
      {"Drive belt", LimitUnit::N, "13.00", "12.00", "Line 3"},
      {kBelt + " 80-95", LimitUnit::Hz, "95", "80", kBelt + "\xE6\xA4\x9C\xE6\x9F\xBB"},
      {"Comma, \"quoted\"", LimitUnit::N, " 13", "12 ", ""}, // blanks in limits are kept
      {"=1+1", LimitUnit::Hz, "1e2", "0.0", "a,b"},
  };
  const std::string bytes = WriteAllowanceCsv(entries);
  EXPECT_EQ(bytes.substr(0, 3 + 26), std::string(kBom) + kHeader);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const CsvReading back = ReadAllowanceCsv(bytes);
  EXPECT_TRUE(back.refused.empty());
  EXPECT_EQ(back.entries, entries);
  EXPECT_EQ(WriteAllowanceCsv({}), std::string(kBom) + kHeader);
}

TEST(AllowanceCsv, DamagedLinesAreRefusedByNumberAndTheGoodOnesKept) {
  const std::string file = std::string(kBom) + kHeader +
                           "A,N,13,12,Title A\r\n"              // 2
                           "B,N,13\r\n"                          // 3 a field missing
                           "C,kg,13,12\r\n"                      // 4 no such unit
                           "D,Hz,ninety,80\r\n"                  // 5 START's number message
                           "E,Hz,80,95\r\n"                      // 6 START's order message
                           "\"F,N,13,12\r\n"                     // 7 quote left open
                           "G,N,13,12,T,extra\r\n"               // 8 a sixth field
                           "\x83\x78\x83\x8B\x83\x67,N,13,12\r\n" // 9 Shift-JIS
                           "A,Hz,95,80\r\n"                      // 10 A again
                           ",N,13,12\r\n"                        // 11 no name
                           + std::string(1000, 'n') + ",N,13,12\r\n" // 12 a name of 1,000 characters
                           "H, hz ,95,0,,,\r\n"                  // 13 good: empty trailing fields
                           "\r\n"                                // 14 blank: skipped
                           ",,,,\r\n"                            // 15 an empty spreadsheet row: skipped
                           "I,N,0,-1\r\n"                        // 16 high limit 0
                           "J,N,13,12";                          // 17 good, no line end
  const CsvReading r = ReadAllowanceCsv(file);
  EXPECT_EQ(Names(r), (std::vector<std::string>{"A", "H", "J"}));
  EXPECT_EQ(r.entries[1].unit, LimitUnit::Hz);
  EXPECT_EQ(r.entries[1].title, "");
  const std::vector<CsvRefusal> expected = {
      {3, AllowanceFault::TooFewFields},    {4, AllowanceFault::UnitUnknown},
      {5, AllowanceFault::HighNotNumeric},  {6, AllowanceFault::NotAscending},
      {7, AllowanceFault::QuoteNotClosed},  {8, AllowanceFault::TooManyFields},
      {9, AllowanceFault::NotUtf8},         {10, AllowanceFault::NameEarlierLine},
      {11, AllowanceFault::NameEmpty},      {12, AllowanceFault::NameTooLong},
      {16, AllowanceFault::HighNotNumeric},
  };
  EXPECT_EQ(r.refused, expected);
}

TEST(AllowanceCsv, LineEndsOfEveryKindCountOneLineEach) {
  const CsvReading r = ReadAllowanceCsv("A,N,13,12\nB,N,x,12\rC,N,13,12\r\nD,N,x,1\n\nE,N,2,1");
  EXPECT_EQ(Names(r), (std::vector<std::string>{"A", "C", "E"}));
  ASSERT_EQ(r.refused.size(), 2u);
  EXPECT_EQ(r.refused[0].line, 2u);
  EXPECT_EQ(r.refused[1].line, 4u);
}

TEST(AllowanceCsv, TheHeaderIsSkippedOnlyOnTheFirstLine) {
  EXPECT_EQ(Names(ReadAllowanceCsv(" Name , UNIT,high,Low,TITLE\r\nA,N,2,1")), (std::vector<std::string>{"A"}));
  EXPECT_EQ(Names(ReadAllowanceCsv("name,unit,high,low\r\nA,N,2,1")), (std::vector<std::string>{"A"}));
  // Without a header the first line is an entry.
  EXPECT_EQ(Names(ReadAllowanceCsv("A,N,2,1\r\nB,N,2,1")), (std::vector<std::string>{"A", "B"}));
  // A header further down is a line like any other, and refused.
  const CsvReading r = ReadAllowanceCsv("A,N,2,1\r\nname,unit,high,low,title");
  ASSERT_EQ(r.refused.size(), 1u);
  EXPECT_EQ(r.refused[0], (CsvRefusal{2, AllowanceFault::UnitUnknown}));
}

TEST(AllowanceCsv, FilesOfTheWrongKindAreRefusedWithoutReadingAnyGarbage) {
  const CsvReading utf16 = ReadAllowanceCsv(std::string("\xFF\xFEn\0a\0m\0e\0", 10));
  EXPECT_TRUE(utf16.entries.empty());
  EXPECT_EQ(utf16.refused, (std::vector<CsvRefusal>{{0, AllowanceFault::FileUtf16}}));
  EXPECT_EQ(ReadAllowanceCsv(std::string("\xFE\xFF\0n", 4)).refused[0].fault, AllowanceFault::FileUtf16);
  const CsvReading nul = ReadAllowanceCsv(std::string("A,N,2,1\r\nB\0,N,2,1\r\nC,N,2,1", 26));
  EXPECT_EQ(Names(nul), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(nul.refused, (std::vector<CsvRefusal>{{2, AllowanceFault::ControlCharacter}}));
  EXPECT_TRUE(ReadAllowanceCsv("").entries.empty());
  EXPECT_TRUE(ReadAllowanceCsv(kBom).refused.empty());
}

TEST(AllowanceCsv, TenThousandLinesAreAllRead) {
  std::string file = std::string(kBom) + kHeader;
  for (int i = 0; i < 10000; ++i)
    file += "Belt " + std::to_string(i) + (i % 100 == 99 ? ",N,x,1\r\n" : ",Hz,95,80\r\n");
  const CsvReading r = ReadAllowanceCsv(file);
  EXPECT_EQ(r.entries.size(), 9900u);
  ASSERT_EQ(r.refused.size(), 100u);
  EXPECT_EQ(r.refused.back().line, 10001u);
  EXPECT_EQ(r.entries.back().name, "Belt 9998");
}

TEST(AllowanceCsv, TheReportNamesEachRefusedLineUpToItsLimit) {
  const std::vector<CsvRefusal> refused = {{3, AllowanceFault::UnitUnknown}, {5, AllowanceFault::NotAscending},
                                           {9, AllowanceFault::NotUtf8}};
  EXPECT_EQ(RefusalReport(kEnglish, refused),
            "Line 3: The unit is neither N nor Hz.\r\n"
            "Line 5: Set bigger value in high limit than low limit.\r\n"
            "Line 9: Not UTF-8 text.\r\n");
  EXPECT_EQ(RefusalReport(kEnglish, refused, 1),
            "Line 3: The unit is neither N nor Hz.\r\n2 more lines refused.\r\n");
  EXPECT_EQ(RefusalReport("japanese", {{4, AllowanceFault::NotAscending}}),
            "4\xE8\xA1\x8C\xE7\x9B\xAE: " + PickText("japanese", Text::HighAboveLow) + "\r\n");
  EXPECT_EQ(RefusalReport(kEnglish, {{0, AllowanceFault::FileUtf16}}),
            "The file is UTF-16 text: save it as CSV UTF-8.\r\n");
  EXPECT_EQ(RefusalReport(kEnglish, {}), "");
}

} // namespace
} // namespace orva

namespace orva {
namespace {

TEST(AllowanceImport, KeepsTheGoodLinesAndReportsTheRefusedOnes) {
  AllowanceList list({{"A", LimitUnit::N, "13", "12", ""}, {"B", LimitUnit::N, "13", "12", ""}});
  const ImportOutcome outcome = ImportAllowances(
      list, "\xEF\xBB\xBFname,unit,high,low,title\r\nC,Hz,95,80,T\r\nB,Hz,95,80\r\nD,kg,1,0\r\nE,N,1,2\r\n", kEnglish);
  EXPECT_EQ(outcome.counts.added, 1u);
  EXPECT_EQ(outcome.counts.replaced, 1u);
  EXPECT_EQ(outcome.refused, 2u);
  EXPECT_EQ(list.Size(), 3u);
  EXPECT_EQ(list.At(1).unit, LimitUnit::Hz);
  EXPECT_EQ(outcome.report,
            "Added: 1, replaced: 1\r\n"
            "Line 4: The unit is neither N nor Hz.\r\n"
            "Line 5: Set bigger value in high limit than low limit.\r\n");
  EXPECT_EQ(ImportAllowances(list, "", kEnglish).report, "Added: 0, replaced: 0\r\nNo line was refused.\r\n");
  EXPECT_EQ(list.Size(), 3u);
}

TEST(AllowanceImport, TheListFileReportSaysWhereTheDamagedFileIsKept) {
  EXPECT_EQ(ListFileReport(kEnglish, "Allowances.csv", "Allowances.csv.bak", {}), "");
  EXPECT_EQ(ListFileReport(kEnglish, "Allowances.csv", "Allowances.csv.bak", {{2, AllowanceFault::NotUtf8}}),
            "These lines of the list file Allowances.csv could not be read (the file is kept as "
            "Allowances.csv.bak):\r\nLine 2: Not UTF-8 text.\r\n");
}

} // namespace
} // namespace orva
