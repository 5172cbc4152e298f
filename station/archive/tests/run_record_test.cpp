// The run record beside the run log: every byte of its texts comes back,
// and a record cut short by a crash is no record.
#include "station/archive/run_record.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orva {
namespace {

TEST(RunRecord, EveryTextComesBack) {
  const RunRecord records[] = {
      {{2026, 12, 9, 17, 15, 2}, "LINE3-PC", "english", "Line 3 belts", {"13.00", "12.00", 0}, false, 3},
      {{2026, 1, 1, 0, 0, 0}, "検査PC", "japanese", "ベルト 張力", {"95", "80", 1}, true},
      {{2026, 1, 1, 0, 0, 0}, "PC", "", "a\\b=c\rd\ne\\r", {" 1 ", "", 1}, false},
  };
  for (const RunRecord& r : records) {
    SCOPED_TRACE(r.printTitle);
    const std::string text = RunRecordText(r);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 9) << "one key a line, whatever the texts hold";
    EXPECT_EQ(ParseRunRecord(text), r);
  }
}

TEST(RunRecord, ACutRecordIsNoRecord) {
  const RunRecord r{{2026, 12, 9, 17, 15, 2}, "PC", "english", "T", {"2", "1", 0}, true};
  const std::string text = RunRecordText(r);
  EXPECT_FALSE(ParseRunRecord(""));
  EXPECT_FALSE(ParseRunRecord("Started=2026-12-0"));        // cut inside the time
  EXPECT_FALSE(ParseRunRecord("Computer=PC\r\nArchived=1")); // no start time
  // Cut after the time: the rest keeps its defaults, so the run is not
  // taken as archived.
  const auto cut = ParseRunRecord(text.substr(0, text.find("Archived")));
  ASSERT_TRUE(cut);
  EXPECT_FALSE(cut->archived);
  EXPECT_EQ(cut->printTitle, "T");
  // Unknown keys and stray lines are passed over.
  EXPECT_TRUE(ParseRunRecord("junk\r\nNext=1\r\n" + text));
}

} // namespace
} // namespace orva
