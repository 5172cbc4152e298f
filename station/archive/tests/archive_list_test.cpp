// The Run Archive window's list: which files are runs and in what order,
// the visible rows read first, and what a row shows before and after its
// file is read, damaged files included.
#include "station/archive/archive_list.h"

#include "station/output/results_file.h"

#include <gtest/gtest.h>

namespace orva {
namespace {

const std::vector<std::string> kArchived = {
    "2026-12-09 17-15-02 LINE3-PC.csv", "notes.txt", "2026-12-10 08-00-00 LINE4-PC.csv",
    "2026-12-09 17-15-02 LINE3-PC (2).csv", "2026-12-08 12-00-00 LINE3-PC.csv.tmp", "temp.csv"};
const std::vector<std::string> kSpooled = {"2026-12-11 09-30-00 LINE3-PC.csv",
                                           "2026-12-09 17-15-02 LINE3-PC.csv"}; // delivered, not yet removed

TEST(ArchiveList, RunsOnlyNewestFirstEachOnce) {
  ArchiveList list;
  list.Fill(kArchived, kSpooled);
  std::vector<std::string> names;
  std::vector<bool> spool;
  for (size_t i = 0; i < list.Size(); ++i) {
    names.push_back(list.At(i).fileName);
    spool.push_back(list.At(i).inSpool);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"2026-12-11 09-30-00 LINE3-PC.csv", "2026-12-10 08-00-00 LINE4-PC.csv",
                                             "2026-12-09 17-15-02 LINE3-PC (2).csv",
                                             "2026-12-09 17-15-02 LINE3-PC.csv"}));
  EXPECT_EQ(spool, (std::vector<bool>{true, false, false, false}));
  list.Fill({}, {});
  EXPECT_EQ(list.Size(), 0u);
}

TEST(ArchiveList, TheVisibleRowsAreReadFirstThenTheRestInOrder) {
  std::vector<std::string> names;
  for (int s = 0; s < 50; ++s) names.push_back(ArchiveFileName({2026, 12, 9, 17, 15, s}, "PC"));
  ArchiveList list;
  list.Fill(names, {});
  std::vector<size_t> order;
  // The operator looks at rows 20..24 while the list fills in.
  while (const std::optional<size_t> next = list.NextToRead(20, 5)) {
    order.push_back(*next);
    list.SetSummary(*next, SummaryOf(""));
  }
  ASSERT_EQ(order.size(), 50u);
  EXPECT_EQ(std::vector<size_t>(order.begin(), order.begin() + 6), (std::vector<size_t>{20, 21, 22, 23, 24, 0}));
  EXPECT_EQ(order.back(), 49u);
  EXPECT_EQ(list.SummariesRead(), 50u);
  EXPECT_FALSE(list.NextToRead(0, 100));
}

TEST(ArchiveList, ARowShowsWhatItsFileHolds) {
  ArchiveList list;
  list.Fill({"2026-12-09 17-15-02 LINE3-PC.csv", "2026-12-09 17-15-01 A.csv", "2026-12-09 17-15-00 B.csv",
             "2026-12-09 17-14-59 C.csv"},
            {"2026-12-09 17-15-03 LINE3-PC.csv"});
  using C = ArchiveColumn;
  // Before its file is read: the name's parts, and that it is being read.
  EXPECT_EQ(list.CellText(1, C::Started, "english"), "2026-12-09 17:15:02");
  EXPECT_EQ(list.CellText(1, C::Computer, "english"), "LINE3-PC");
  EXPECT_EQ(list.CellText(1, C::Readings, "english"), "");
  EXPECT_EQ(list.CellText(1, C::State, "english"), "reading...");

  const std::string header = ResultsHeader({"japanese", "ベルト", "13", "12", 0});
  list.SetSummary(0, SummaryOf(header + " 1,1,1,GOOD\r\n"));
  list.SetSummary(1, SummaryOf(header + " 1,1,1,GOOD\r\n 2,1,1,HIGH\r\n 3,1,1,GOOD\r\n junk\r\n"));
  list.SetSummary(2, SummaryOf(""));
  list.SetSummary(3, SummaryOf("a,b\r\n"));
  list.SetSummary(4, SummaryOf(header));
  EXPECT_EQ(list.CellText(0, C::State, "english"), "not yet archived (in the spool)");
  EXPECT_EQ(list.CellText(1, C::PrintTitle, "english"), "ベルト");
  EXPECT_EQ(list.CellText(1, C::Readings, "english"), "3");
  EXPECT_EQ(list.CellText(1, C::GoodRate, "english"), "66.7 %");
  EXPECT_EQ(list.CellText(1, C::State, "english"), "");
  EXPECT_EQ(list.CellText(2, C::State, "english"), "empty file");
  EXPECT_EQ(list.CellText(2, C::Readings, "english"), "");
  EXPECT_EQ(list.CellText(3, C::State, "japanese"), "測定結果ファイルではありません");
  EXPECT_EQ(list.CellText(4, C::Readings, "english"), "0");
  EXPECT_EQ(list.CellText(4, C::GoodRate, "english"), "\xE2\x80\x94");
}

} // namespace
} // namespace orva
