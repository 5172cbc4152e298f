// The printing box's texts and the count of rows it announces.
#include "station/output/print_layout.h"
#include "station/output/print_progress.h"

#include <gtest/gtest.h>

namespace orva {
namespace {

TEST(StationPrintProgress, PageTextsInBothLanguages) {
  EXPECT_EQ(PrintingPageText("english", 3, 143), "Page 3 of 143");
  EXPECT_EQ(PrintingPageText("japanese", 3, 143), "143 ページ中 3 ページ目");
  EXPECT_EQ(PrintingWhatText("english", 8000, "PDF"), "Printing the run log (8000 readings) on PDF.");
  EXPECT_EQ(PrintingWhatText("", 2, "PDF2"), "測定記録(2 件)を PDF2 に印刷しています。");
}

TEST(StationPrintProgress, RowsAreCountedAsThePrintoutReadsLines) {
  const struct {
    const char* file;
    int rows;
  } cases[] = {
      {"", 0},
      {" 1,12.50,85.00,GOOD\r\n", 1},
      {" 1,a,b,GOOD\r\n 2,a,b,LOW", 2}, // an unended last line counts
      {"a\nb\rc\r\n", 3},
      {"\r\n\r\n", 2},                  // empty lines are rows too
  };
  for (const auto& c : cases) EXPECT_EQ(CountPrintLines(c.file), c.rows) << c.file;
}

} // namespace
} // namespace orva
