// Portable rules of the installation tools: paths, Windows kinds, driver
// command lines and the copy lists.
#include "installer/common/driver_command.h"
#include "installer/common/file_lists.h"
#include "installer/common/language.h"
#include "installer/common/path_rules.h"
#include "installer/common/windows_kind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace orva::installer {
namespace {

TEST(InstallerPaths, AddBackslash) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"C:", "C:\\"},
      {"C:\\", "C:\\"},
      {"C:\\ORVA\\", "C:\\ORVA\\"},
      {"C:\\ORVA", "C:\\ORVA\\"},
      {"", ""},
      {"ORVA", "ORVA\\"},                 // no backslash at all
      {"C:\\A\\\\", "C:\\A\\\\"},         // ends in a doubled backslash: unchanged
      {"\\", "\\"},
  };
  for (const auto& c : cases) {
    std::string path = c.in;
    std::string& result = AddBackslash(path);
    EXPECT_EQ(path, c.out) << c.in;
    EXPECT_EQ(&result, &path) << "the argument itself is changed and returned";
    EXPECT_EQ(WithBackslash(c.in), c.out) << c.in;
  }
}

TEST(InstallerPaths, ProgramFolderBelowTheRoot) {
  const struct {
    std::string root, folder;
  } cases[] = {
      {"C:\\Program Files\\ORVA\\", "C:\\Program Files\\ORVA\\EXE\\"},
      {"D:\\Tools\\ORVA", "D:\\Tools\\ORVA\\EXE\\"}, // root typed without a trailing backslash
      {"C:", "C:\\EXE\\"},
      {"", "EXE\\"}, // the wizard refuses the empty root before using this
  };
  for (const auto& c : cases) EXPECT_EQ(ProgramFolderFor(c.root), c.folder) << c.root;
}

TEST(InstallerPaths, FolderLevelsCreatedOutermostFirst) {
  using Levels = std::vector<std::string>;
  const struct {
    std::string folder;
    Levels levels;
  } cases[] = {
      {"C:\\Program Files\\ORVA\\EXE\\",
       {"C:\\Program Files\\", "C:\\Program Files\\ORVA\\", "C:\\Program Files\\ORVA\\EXE\\"}},
      {"D:\\Tools\\ORVA\\EXE\\", {"D:\\Tools\\", "D:\\Tools\\ORVA\\", "D:\\Tools\\ORVA\\EXE\\"}},
      {"C:\\EXE\\", {"C:\\EXE\\"}},
      {"C:\\", {}},
      {"C:\\A\\\\B\\EXE\\", {"C:\\A\\"}},        // stops at the doubled backslash
      {"C:\\\\A\\EXE\\", {}},                    // doubled right after the drive
      {"\\\\server\\share\\EXE\\", {}},         // a network path starts doubled
      {"C:\\A\\B", {"C:\\A\\"}},                 // text after the last backslash is no level
      {"EXE", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderLevels(c.folder), c.levels) << c.folder;
}

TEST(InstallerPaths, FolderPartOfAChosenFile) {
  const struct {
    std::string chosen, folder;
  } cases[] = {
      {"C:\\Program Files\\ORVA", "C:\\Program Files\\"},
      {"C:\\ORVA", "C:\\"},
      {"D:\\Tools\\New folder\\ORVA.txt", "D:\\Tools\\New folder\\"},
      {"ORVA", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderPartOf(c.chosen), c.folder) << c.chosen;
}

TEST(InstallerPaths, BlankInAPath) {
  EXPECT_TRUE(ContainsBlank("C:\\Documents and Settings\\XTEMPINS"));
  EXPECT_TRUE(ContainsBlank(" "));
  EXPECT_FALSE(ContainsBlank("C:\\XTEMPINS"));
  EXPECT_FALSE(ContainsBlank("C:\\X\tY")); // only the blank splits the driver command line
  EXPECT_FALSE(ContainsBlank(""));
}

TEST(WindowsKinds, FromTheReportedVersion) {
  const struct {
    unsigned long platform, major, minor;
    WindowsKind kind;
    const char* label; // nullptr: label left unchanged
  } cases[] = {
      {1, 4, 0, WindowsKind::Win9x, "Windows95"},
      {1, 4, 10, WindowsKind::Win9x, "Windows98"},
      {1, 4, 90, WindowsKind::Win9x, "WindowsMe"},
      {1, 4, 3, WindowsKind::Win9x, nullptr},
      {1, 5, 0, WindowsKind::Win9x, nullptr},
      {2, 3, 51, WindowsKind::OldNt, "WindowsNT"},
      {2, 4, 0, WindowsKind::OldNt, "WindowsNT"},
      {2, 5, 0, WindowsKind::ModernNt, "Windows2000"},
      {2, 5, 1, WindowsKind::ModernNt, "WindowsXP"},
      {2, 5, 2, WindowsKind::ModernNt, nullptr}, // Server 2003
      {2, 6, 0, WindowsKind::ModernNt, "Windows?"},
      {2, 6, 2, WindowsKind::ModernNt, "Windows?"}, // what Windows 10 reports without a manifest
      {2, 10, 0, WindowsKind::ModernNt, "Windows?"},
      {0, 4, 0, WindowsKind::Unknown, nullptr}, // Win32s
      {3, 5, 0, WindowsKind::Unknown, nullptr}, // CE
  };
  for (const auto& c : cases) {
    const WindowsDetection d = DetectionFor(ReportedVersion{c.platform, c.major, c.minor});
    EXPECT_EQ(d.kind, c.kind) << c.platform << " " << c.major << "." << c.minor;
    if (c.label == nullptr)
      EXPECT_EQ(d.label, nullptr) << c.platform << " " << c.major << "." << c.minor;
    else
      EXPECT_STREQ(d.label, c.label) << c.platform << " " << c.major << "." << c.minor;
  }
  const WindowsDetection failed = DetectionFor(std::nullopt);
  EXPECT_EQ(failed.kind, WindowsKind::Unknown);
  EXPECT_EQ(failed.label, nullptr);
}

TEST(DriverCommandLines, ExactBlanks) {
  const struct {
    std::string folder, inf, action, line;
  } cases[] = {
      {"C:\\XTEMPINS\\", "windrvr6.inf", kInstallAction, "-inf C:\\XTEMPINS\\windrvr6.inf -silent install"},
      {"C:\\XTEMPINS\\", "ORVA.inf", kInstallAction, "-inf C:\\XTEMPINS\\ORVA.inf -silent install"},
      {InfFolderOf("C:\\WINDOWS"), "ORVA.inf", kUninstallAction,
       "-inf C:\\WINDOWS\\inf\\ORVA.inf -silent uninstall"},
      {InfFolderOf("C:\\WINDOWS\\"), "windrvr6.inf", kUninstallAction,
       "-inf C:\\WINDOWS\\inf\\windrvr6.inf -silent uninstall"},
  };
  for (const auto& c : cases) EXPECT_EQ(DriverToolParameters(c.folder, c.inf, c.action), c.line);
}

std::vector<std::string> Named(auto list) {
  std::vector<std::string> names;
  for (std::string_view f : list)
    if (!f.empty()) names.emplace_back(f);
  return names;
}

TEST(CopyLists, SetupBringsEveryFileTheInstallerCopies) {
  const auto install = Named(kInstallFiles);
  const auto setup = Named(kSetupFiles);
  // What the installer copies comes from the temporary folder, which only
  // setup fills: every file of its list, except the two markers that setup
  // copies on its own, has to be on setup's list, in the same order.
  std::vector<std::string> expected;
  for (const auto& f : install)
    if (f != kDirMarker && f != kJapaneseMarker) expected.push_back(f);
  std::vector<std::string> setupWithoutItself;
  for (const auto& f : setup)
    if (f != "SETUP.EXE") setupWithoutItself.push_back(f);
  EXPECT_EQ(setupWithoutItself, expected);
  // Setup carries itself, after the installer.
  const auto at = std::find(setup.begin(), setup.end(), "SETUP.EXE");
  ASSERT_NE(at, setup.end());
  EXPECT_EQ(*(at - 1), "INSTALL.EXE");
}

TEST(CopyLists, NoNameTwiceAndOnlyTheRuntimeRowsEmpty) {
  for (const auto& names : {Named(kInstallFiles), Named(kSetupFiles)}) {
    std::set<std::string> seen;
    for (const auto& f : names) EXPECT_TRUE(seen.insert(f).second) << f;
  }
  // Rows 22 and 23 (the runtime library and its resources) are the last two.
  EXPECT_EQ(kInstallFiles.size() - Named(kInstallFiles).size(), 2u);
  EXPECT_TRUE(kInstallFiles[21].empty() && kInstallFiles[22].empty());
  EXPECT_TRUE(kSetupFiles[20].empty() && kSetupFiles[21].empty());
}

TEST(InstallerLanguage, PickText) {
  EXPECT_EQ(PickText(kLanguageJapanese, "日本語", "English"), "日本語");
  EXPECT_EQ(PickText(kLanguageEnglish, "日本語", "English"), "English");
  EXPECT_EQ(PickText(2, "日本語", "English"), "English"); // only 1 is Japanese
  EXPECT_EQ(PickText(-1, "日本語", "English"), "English");
}

} // namespace
} // namespace orva::installer
