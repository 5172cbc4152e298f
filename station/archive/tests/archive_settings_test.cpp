// The archive's settings from ORVA.ini: a file from before the archive keeps
// every run in the default folder; only "0" turns it off.
#include "station/archive/archive_settings.h"

#include <gtest/gtest.h>

namespace orva {
namespace {

TEST(ArchiveSettings, ReadFromTheFileWithDefaultsForWhatIsMissing) {
  const struct {
    const char* keep;
    const char* folder;
    bool keepEveryRun;
    const char* archiveFolder;
  } cases[] = {
      {"", "", true, "C:\\Shared\\ORVA Runs"}, // a file from before the archive
      {"0", "", false, "C:\\Shared\\ORVA Runs"},
      {" 0 ", "  \\\\server\\share\\belts ", false, "\\\\server\\share\\belts"},
      {"1", "D:\\Runs with spaces", true, "D:\\Runs with spaces"},
      {"yes", "", true, "C:\\Shared\\ORVA Runs"},
      {"00", "", true, "C:\\Shared\\ORVA Runs"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.keep) + "|" + c.folder);
    const ArchiveSettings s = ArchiveSettingsFromIni(c.keep, c.folder);
    EXPECT_EQ(s.keepEveryRun, c.keepEveryRun);
    EXPECT_EQ(ArchiveFolderIn(s, "C:\\Shared\\ORVA Runs"), c.archiveFolder);
    // What is written reads back the same.
    EXPECT_EQ(ArchiveSettingsFromIni(KeepEveryRunToIni(s.keepEveryRun), s.folder), s);
  }
}

} // namespace
} // namespace orva
