// A results file read back: what the station writes comes back whole, in
// both languages and units, and damage costs only the damaged lines.
#include "station/archive/archived_run.h"

#include "station/output/results_file.h"

#include <gtest/gtest.h>

namespace orva {
namespace {

const std::string kRunLog = " 1,12.50,85.00,GOOD\r\n 2,13.20,88.10,HIGH\r\n 3,11.90,80.02,LOW\r\n 4,-----,-----,\r\n";

TEST(ArchivedRun, WhatTheStationWritesComesBack) {
  const struct {
    ResultsHeaderInput header;
  } cases[] = {
      {{"english", "Line 3 belts", "13.00", "12.00", 0}},
      {{"japanese", "ライン３ ベルト", "95", "80", 1}},
      {{"english", "", "", "", 1}},
      {{"english", "odd", " 1 N", "Hz", 0}}, // texts as typed, even with unit-like ends
      {{"japanese", "t", "5N", "x   Low  Limit y", 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.header.printTitle);
    const auto run = ReadResultsFile(ResultsHeader(c.header) + ResultsBody(kRunLog));
    ASSERT_TRUE(run);
    EXPECT_EQ(run->printTitle, c.header.printTitle);
    ASSERT_TRUE(run->allowance);
    EXPECT_EQ(run->allowance->highText, c.header.limitHigh);
    EXPECT_EQ(run->allowance->lowText, c.header.limitLow);
    EXPECT_EQ(run->allowance->limitUnitMode, c.header.limitUnitMode);
    ASSERT_EQ(run->readings.size(), 4u);
    EXPECT_EQ(run->damagedLines, 0);
  }
}

TEST(ArchivedRun, RunLogLinesGiveNumberTextsAndJudgement) {
  const auto run = ReadResultsFile(ResultsHeader({"english", "", "1", "0", 0}) + kRunLog);
  ASSERT_TRUE(run);
  const ArchivedReading& high = run->readings[1];
  EXPECT_EQ(high.readingNo, 2);
  EXPECT_EQ(high.texts.tension, "13.20");
  EXPECT_EQ(high.texts.frequency, "88.10");
  EXPECT_EQ(high.judgement, Judgement::High);
  EXPECT_EQ(run->readings[2].judgement, Judgement::Low);
  EXPECT_EQ(run->readings[3].judgement, Judgement::None);
  EXPECT_EQ(run->readings[3].texts.tension, "-----");

  for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "x,12.50,85.00,GOOD", " ,12.50,85.00,GOOD",
                          " 3,12.50,85.00,HI", " 3,12.50,85.00,good", "99999999999,1,2,GOOD"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ReadRunLogLine(bad));
  }
}

TEST(ArchivedRun, DamageCostsOnlyTheDamagedLines) {
  const std::string header = ResultsHeader({"english", "T", "13", "12", 0});
  // A truncated file: the last line cut inside its judgement.
  const auto cut = ReadResultsFile(header + " 1,12.50,85.00,GOOD\r\n 2,12.60,85.10,GO");
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->readings.size(), 1u);
  EXPECT_EQ(cut->damagedLines, 1);
  // Garbage between good lines, blank lines, LF-only and CR-only ends.
  const auto mixed = ReadResultsFile(header + " 1,1,1,GOOD\n\x01\xff garbage\r\n\r\n 2,1,1,LOW\r 3,1,1,HIGH");
  ASSERT_TRUE(mixed);
  EXPECT_EQ(mixed->readings.size(), 3u);
  EXPECT_EQ(mixed->damagedLines, 1);
  // A header whose limits line is not the station's: the readings stay.
  const auto noLimits = ReadResultsFile("T\r\n\r\n\r\nUpper 13 Lower 12\r\n\r\n\r\nNo.,N,Hz\r\n 1,1,1,GOOD\r\n");
  ASSERT_TRUE(noLimits);
  EXPECT_FALSE(noLimits->allowance);
  EXPECT_EQ(noLimits->readings.size(), 1u);
  // Mixed units or no unit at all is no limits line either.
  for (const char* line : {"High Limit 13N   Low  Limit 12Hz", "High Limit 13   Low  Limit 12",
                           "High Limit 13N", "Low  Limit 12N"}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(ReadLimitsLine(line));
  }
  // A header cut short: the column line early, so title and limits are unknown.
  const auto shortHeader = ReadResultsFile("No.,N,Hz\r\n 1,1,1,GOOD\r\n");
  ASSERT_TRUE(shortHeader);
  EXPECT_EQ(shortHeader->printTitle, "");
  EXPECT_FALSE(shortHeader->allowance);
  EXPECT_EQ(shortHeader->readings.size(), 1u);
}

TEST(ArchivedRun, OtherFilesAreNoResults) {
  for (const std::string& other : {std::string(), std::string("\r\n\r\n"), std::string("a,b,c\r\n1,2,3\r\n"),
                                  std::string("T\r\n\r\n\r\nL\r\n\r\n\r\n\r\nNo.,N,Hz\r\n"), // column line 8th
                                  std::string("\0\0\0\0", 4)}) {
    EXPECT_FALSE(ReadResultsFile(other));
  }
  // The header alone is a run with no reading.
  const auto empty = ReadResultsFile(ResultsHeader({"english", "T", "1", "0", 0}));
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->readings.empty());
}

} // namespace
} // namespace orva
