// The list keeps the operator's order, one entry per name, and an import
// updates entries where they stand.
#include "station/allowances/allowance_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orva {
namespace {

AllowanceEntry Entry(const std::string& name, const char* high = "13", const char* low = "12") {
  return {name, LimitUnit::N, high, low, ""};
}

std::vector<std::string> Names(const AllowanceList& list) {
  std::vector<std::string> names;
  for (const auto& e : list.Entries()) names.push_back(e.name);
  return names;
}

TEST(AllowanceList, AddsAtTheEndOnlyWhatPassesAndIsNotThereYet) {
  AllowanceList list;
  EXPECT_EQ(list.Add(Entry(" A ")), AllowanceFault::None); // kept as "A"
  EXPECT_EQ(list.Add(Entry("B")), AllowanceFault::None);
  EXPECT_EQ(list.Add(Entry("A")), AllowanceFault::NameTaken);
  EXPECT_EQ(list.Add(Entry("A  ")), AllowanceFault::NameTaken);
  EXPECT_EQ(list.Add(Entry("C", "5", "10")), AllowanceFault::NotAscending);
  EXPECT_EQ(list.Add(Entry("   ")), AllowanceFault::NameEmpty);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(list.Find("B"), 1u);
  EXPECT_FALSE(list.Find("b"));
}

TEST(AllowanceList, AnEditKeepsItsPlaceAndMayKeepItsOwnNameButNotTakeAnother) {
  AllowanceList list({Entry("A"), Entry("B"), Entry("C")});
  EXPECT_EQ(list.Replace(1, Entry("B", "95", "80")), AllowanceFault::None);
  EXPECT_EQ(list.At(1).high, "95");
  EXPECT_EQ(list.Replace(1, Entry("C")), AllowanceFault::NameTaken);
  EXPECT_EQ(list.Replace(1, Entry("B", "1", "2")), AllowanceFault::NotAscending);
  EXPECT_EQ(list.At(1).high, "95"); // a refused edit changes nothing
  EXPECT_EQ(list.Replace(1, Entry("B2")), AllowanceFault::None);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B2", "C"}));
}

TEST(AllowanceList, MovesAndDeletesStopAtTheEnds) {
  AllowanceList list({Entry("A"), Entry("B"), Entry("C")});
  EXPECT_EQ(list.MoveUp(0), 0u);
  EXPECT_EQ(list.MoveDown(2), 2u);
  EXPECT_EQ(list.MoveUp(2), 1u);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "C", "B"}));
  EXPECT_EQ(list.MoveDown(0), 1u);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"C", "A", "B"}));
  EXPECT_EQ(list.MoveUp(7), 7u);
  list.Remove(7);
  list.Remove(1);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"C", "B"}));
  AllowanceList empty;
  EXPECT_EQ(empty.MoveDown(0), 0u);
  empty.Remove(0);
  EXPECT_EQ(empty.Size(), 0u);
}

TEST(AllowanceList, AnImportReplacesByNameInPlaceAndAppendsTheRestInOrder) {
  AllowanceList list({Entry("A"), Entry("B"), Entry("C")});
  const MergeCounts counts = list.Merge({Entry("D"), Entry("B", "95", "80"), Entry("E")});
  EXPECT_EQ(counts.added, 2u);
  EXPECT_EQ(counts.replaced, 1u);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
  EXPECT_EQ(list.At(1).low, "80");
  // Once more: everything is there already.
  const MergeCounts again = list.Merge({Entry("E"), Entry("D")});
  EXPECT_EQ(again.added, 0u);
  EXPECT_EQ(again.replaced, 2u);
  EXPECT_EQ(list.Size(), 5u);
}

} // namespace
} // namespace orva
