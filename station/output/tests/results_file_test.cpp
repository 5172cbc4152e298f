// The results file's texts: header, limits line, copied run-log lines,
// dialog filter and the overwrite question.
#include "station/output/results_file.h"

#include <gtest/gtest.h>

namespace orva {
namespace {

TEST(StationResultsFile, LimitsLineInBothLanguagesAndUnits) {
  const struct {
    const char* language;
    const char* high;
    const char* low;
    std::int16_t unit;
    const char* line;
  } cases[] = {
      {"english", "80", "60", 0, "High Limit 80N   Low  Limit 60N"},
      {"english", "90.5", "70", 1, "High Limit 90.5Hz   Low  Limit 70Hz"},
      {"english", "", "", 0, "High Limit N   Low  Limit N"},
      {"english", " 8x", "abc", 2, "High Limit  8xN   Low  Limit abcN"}, // as typed; only 1 is Hz
      {"japanese", "80", "60", 0, "上限値 80N   下限値 60N"},
      {"japanese", "80", "60", 1, "上限値 80Hz   下限値 60Hz"},
      {"English", "80", "60", 0, "上限値 80N   下限値 60N"}, // only exactly "english" is English
      {"", "80", "60", 0, "上限値 80N   下限値 60N"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(LimitsLine(c.language, c.high, c.low, c.unit), c.line);
  }
}

TEST(StationResultsFile, HeaderHasSevenLinesWithTheColumnLineLast) {
  EXPECT_EQ(ResultsHeader({"english", "Line 3 belts", "80", "60", 0}),
            "Line 3 belts\r\n\r\n\r\nHigh Limit 80N   Low  Limit 60N\r\n\r\n\r\nNo.,N,Hz\r\n");
  // An empty title gives an empty first line; the column line never changes language.
  EXPECT_EQ(ResultsHeader({"japanese", "", "80", "60", 1}),
            "\r\n\r\n\r\n上限値 80Hz   下限値 60Hz\r\n\r\n\r\nNo.,N,Hz\r\n");
}

TEST(StationResultsFile, RunLogLinesAreCopiedWithCrLf) {
  const struct {
    const char* name;
    std::string log;
    std::string body;
  } cases[] = {
      {"empty", "", ""},
      {"crlf", " 1,12.50,85.00,GOOD\r\n 3,12.60,85.10,GOOD\r\n",
       " 1,12.50,85.00,GOOD\r\n 3,12.60,85.10,GOOD\r\n"},
      {"last line unended", " 1,a,b,\r\n 2,c,d,LOW", " 1,a,b,\r\n 2,c,d,LOW\r\n"},
      {"lone CR and LF", "a\rb\nc\r\n", "a\r\nb\r\nc\r\n"},
      {"empty lines kept", "\r\n\r\nx\r\n", "\r\n\r\nx\r\n"},
      {"LF CR is two ends", "a\n\rb", "a\r\n\r\nb\r\n"},
      {"ANSI bytes and NUL untouched", std::string("\x83\x65\xB1,\0,x\r\n", 9),
       std::string("\x83\x65\xB1,\0,x\r\n", 9)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ResultsBody(c.log), c.body);
  }
}

TEST(StationResultsFile, DialogFilterIsNulSeparatedAndDoublyEnded) {
  const std::string filter = DialogFilter(kResultsFilter);
  EXPECT_EQ(filter, std::string(" (*.*)\0*.*\0 (*.txt)\0*.txt\0 (*.csv)\0*.csv\0\0", 42));
}

TEST(StationResultsFile, OverwriteQuestionUsesCrAlone) {
  EXPECT_EQ(OverwriteQuestion("english", "C:\\data\\run.csv"),
            "C:\\data\\run.csv has already existed.\roverwrite it ?");
  EXPECT_EQ(OverwriteTitle("english"), "Save File");
  EXPECT_EQ(OverwriteQuestion("japanese", "C:\\a.csv"), "C:\\a.csv は既に存在します。\r上書きしますか。");
  EXPECT_EQ(OverwriteTitle("japanese"), "ファイルの保存");
}

} // namespace
} // namespace orva
