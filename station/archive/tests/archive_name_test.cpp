// Archived runs' names: the form, what a computer name may put into it,
// reading a name back, and the list's order.
#include "station/archive/archive_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace orva {
namespace {

constexpr RunTime kAt{2026, 12, 9, 17, 15, 2};

TEST(ArchiveName, SortsByTimeAndNamesTheComputer) {
  EXPECT_EQ(ArchiveFileName(kAt, "LINE3-PC"), "2026-12-09 17-15-02 LINE3-PC.csv");
  EXPECT_EQ(ArchiveFileName(kAt, "LINE3-PC", 2), "2026-12-09 17-15-02 LINE3-PC (2).csv");
  EXPECT_EQ(ArchiveFileName({2027, 1, 2, 3, 4, 5}, "A"), "2027-01-02 03-04-05 A.csv");
  // Two stations in one second, one station twice in one second: four names.
  const std::vector<std::string> names = {ArchiveFileName(kAt, "LINE3-PC"), ArchiveFileName(kAt, "LINE4-PC"),
                                          ArchiveFileName(kAt, "LINE3-PC", 2),
                                          ArchiveFileName(kAt, "LINE4-PC", 2)};
  for (size_t i = 0; i < names.size(); ++i)
    for (size_t j = i + 1; j < names.size(); ++j) EXPECT_NE(names[i], names[j]);
}

TEST(ArchiveName, ComputerNamesBecomeSafeFileNames) {
  const struct {
    const char* computer;
    const char* safe;
  } cases[] = {
      {"LINE3-PC", "LINE3-PC"},
      {"a\\b/c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
      {"tab\there", "tab_here"},
      {"host.", "host_"},          // Windows would drop the dot
      {"host. .", "host___"},
      {"", "_"},
      {"検査ライン", "検査ライン"}, // bytes above 0x7F pass
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.computer);
    EXPECT_EQ(FileNameSafe(c.computer), c.safe);
  }
}

TEST(ArchiveName, ReadsBackOnlyItsOwnForm) {
  const auto parts = ParseArchiveFileName("2026-12-09 17-15-02 LINE3-PC (12).CSV");
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->started, kAt);
  EXPECT_EQ(parts->computer, "LINE3-PC");
  EXPECT_EQ(parts->copy, 12);
  // A computer name with spaces and brackets of its own survives.
  const auto spaced = ParseArchiveFileName(ArchiveFileName(kAt, "Line 3 (east)", 3));
  ASSERT_TRUE(spaced);
  EXPECT_EQ(spaced->computer, "Line 3 (east)");
  EXPECT_EQ(spaced->copy, 3);
  EXPECT_EQ(ParseArchiveFileName("2026-12-09 17-15-02 PC (1).csv")->computer, "PC (1)");
  EXPECT_EQ(ParseArchiveFileName("2026-12-09 17-15-02 PC (02).csv")->computer, "PC (02)");

  for (const char* other : {"notes.txt", "temp.csv", "", "2026-12-09 17-15-02 .csv",
                            "2026-12-09 17-15-02.csv", "2026-12-09 17-15-02 PC.csv.tmp",
                            "2026-13-09 17-15-02 PC.csv", "2026-02-29 10-00-00 PC.csv",
                            "2026-04-31 10-00-00 PC.csv", "2026-12-09 24-00-00 PC.csv",
                            "2026-12-09_17-15-02 PC.csv", "2026-12-9 17-15-02 PC.csv"}) {
    SCOPED_TRACE(other);
    EXPECT_FALSE(ParseArchiveFileName(other));
  }
  EXPECT_TRUE(ParseArchiveFileName("2028-02-29 10-00-00 PC.csv")); // a leap day
}

TEST(ArchiveName, ListsNewestFirstAndTheLaterCopyFirst) {
  std::vector<ArchiveNameParts> parts;
  for (const char* name : {"2026-12-09 17-15-02 B.csv", "2026-12-10 08-00-00 A.csv",
                           "2026-12-09 17-15-02 A (2).csv", "2026-12-09 17-15-02 A.csv",
                           "2025-12-31 23-59-59 Z.csv"})
    parts.push_back(*ParseArchiveFileName(name));
  std::sort(parts.begin(), parts.end(), ListedBefore);
  std::vector<std::string> listed;
  for (const auto& p : parts) listed.push_back(ArchiveFileName(p.started, p.computer, p.copy));
  EXPECT_EQ(listed, (std::vector<std::string>{"2026-12-10 08-00-00 A.csv", "2026-12-09 17-15-02 A (2).csv",
                                              "2026-12-09 17-15-02 A.csv", "2026-12-09 17-15-02 B.csv",
                                              "2025-12-31 23-59-59 Z.csv"}));
}

} // namespace
} // namespace orva
