// The one text-table form: the order check a table's static_assert relies
// on, and the lookup of a pair.
#include "winkit/text_table.h"

#include <gtest/gtest.h>

namespace winkit {
namespace {

enum class Sample { First, Second, Third, Count };

constexpr std::array<TextRow<Sample>, 3> kInOrder = {{
    {Sample::First, {"一", "one"}},
    {Sample::Second, {"二", "two"}},
    {Sample::Third, {"三", "three"}},
}};

TEST(TextTableForm, OnlyOneRowPerTextInTheEnumsOrderPasses) {
  static_assert(RowsInEnumOrder(kInOrder));
  constexpr std::array<TextRow<Sample>, 3> swapped = {{
      {Sample::First, {"一", "one"}},
      {Sample::Third, {"三", "three"}},
      {Sample::Second, {"二", "two"}},
  }};
  constexpr std::array<TextRow<Sample>, 2> missing = {{
      {Sample::First, {"一", "one"}},
      {Sample::Second, {"二", "two"}},
  }};
  EXPECT_FALSE(RowsInEnumOrder(swapped));
  EXPECT_FALSE(RowsInEnumOrder(missing));
}

TEST(TextTableForm, PairInFindsTheRowAndNothingOutsideTheTable) {
  EXPECT_EQ(PairIn(kInOrder, Sample::Second).english, "two");
  EXPECT_EQ(PairIn(kInOrder, Sample::Third).japanese, "三");
  EXPECT_TRUE(PairIn(kInOrder, Sample::Count).english.empty());
  EXPECT_TRUE(PairIn(kInOrder, static_cast<Sample>(-1)).japanese.empty());
}

} // namespace
} // namespace winkit
