// Next of the uninstaller against a recorder: the refusals, the order of the
// driver removal per Windows kind, the deletions and the end of the run.
#include "installer/uninstall/uninstall_run.h"

#include "installer/common/file_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace orva::uninstall {
namespace {

struct Recorder : UninstallSteps {
  int kind = 2;
  Folders folders{true, true};
  std::vector<std::string> log;

  static std::string Name(Text id) { return std::string(TextPairOf(id).english); }

  void HideChoices() override { log.push_back("hide choices"); }
  int DetectWindows() override { return kind; }
  Folders ReadSystemFolders() override { return folders; }
  void ShowStatus(Text id) override { log.push_back("status " + Name(id)); }
  void ClearStatus() override { log.push_back("status cleared"); }
  void ShowMessage(Text id) override { log.push_back("message " + Name(id)); }
  void RunToolAndWait(const char* tool, const char* inf) override {
    log.push_back(std::string("run ") + tool + " " + inf);
  }
  void DeleteFromFolder(const char* file, Folder folder) override {
    log.push_back(std::string(folder == Folder::Uninstaller ? "delete " : "delete inf\\") + file);
  }
  void DeleteShortcut(ShortcutFolder folder) override {
    log.push_back(folder == ShortcutFolder::Programs ? "shortcut programs" : "shortcut desktop");
  }
  void ShowComplete() override { log.push_back("complete"); }

  // The entries before the first deletion status, after hiding the choices.
  std::vector<std::string> DriverPart() const {
    auto end = std::find(log.begin(), log.end(), "status Delete files...");
    return {log.begin() + 1, end};
  }
};

TEST(UninstallNext, RefusalsComeBeforeAnything) {
  const struct {
    bool disk, running;
    NextDecision decision;
  } cases[] = {
      {true, false, NextDecision::DiskRefused},
      {true, true, NextDecision::DiskRefused},
      {false, true, NextDecision::ProgramRunning},
      {false, false, NextDecision::Uninstall},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DecideNext(c.disk, c.running), c.decision) << c.disk << c.running;
}

TEST(UninstallDriverRemoval, StatusLinesAndRunsInTheOrderOfEachKind) {
  const struct {
    int kind;
    std::vector<std::string> part;
  } cases[] = {
      {1,
       {"run wdreg16.exe ORVA.inf", "status Uninstalling of ORVA...", "run wdreg16.exe windrvr6.inf",
        "status Uninstalling of driver..."}},
      {2,
       {"status Uninstalling of ORVA...", "run wdreg_gui.exe ORVA.inf",
        "status Uninstalling of driver...", "run wdreg_gui.exe windrvr6.inf"}},
      {3, {"status Uninstalling of driver...", "run wdreg.exe windrvr6.inf"}},
      {0, {}},
      {4, {}},
      {-1, {}},
  };
  for (const auto& c : cases) {
    Recorder steps;
    steps.kind = c.kind;
    RunUninstall(steps);
    EXPECT_EQ(steps.DriverPart(), c.part) << "kind " << c.kind;
  }
}

TEST(UninstallDriverRemoval, MissingSystemFolderShowsTheMessageAndRunsNoTool) {
  const struct {
    Recorder::Folders folders;
    bool infDeleted;
  } cases[] = {{{false, true}, false}, {{true, false}, true}, {{false, false}, false}};
  for (const auto& c : cases) {
    Recorder steps;
    steps.folders = c.folders;
    RunUninstall(steps);
    EXPECT_EQ(steps.DriverPart(), std::vector<std::string>{"message Windows system folder isn't found."});
    EXPECT_EQ(std::count(steps.log.begin(), steps.log.end(), "delete ORVA.exe"), 1);
    EXPECT_EQ(std::count(steps.log.begin(), steps.log.end(), "delete inf\\ORVA.inf"), c.infDeleted ? 1 : 0);
    EXPECT_EQ(steps.log.back(), "complete");
  }
}

TEST(UninstallDeletion, ProgramFilesThenInfFilesThenShortcutsThenComplete) {
  Recorder steps;
  RunUninstall(steps);
  auto at = std::find(steps.log.begin(), steps.log.end(), "status Delete files...");
  ASSERT_NE(at, steps.log.end());
  std::vector<std::string> rest(at + 1, steps.log.end());
  ASSERT_EQ(rest.size(), 21u + 2u + 2u + 2u);
  for (std::size_t i = 0; i < 21; ++i) EXPECT_EQ(rest[i].rfind("delete ", 0), 0u) << rest[i];
  EXPECT_EQ(rest[21], "delete inf\\windrvr6.inf");
  EXPECT_EQ(rest[22], "delete inf\\ORVA.inf");
  EXPECT_EQ(rest[23], "shortcut programs");
  EXPECT_EQ(rest[24], "shortcut desktop");
  EXPECT_EQ(rest[25], "status cleared");
  EXPECT_EQ(rest[26], "complete");
  EXPECT_EQ(steps.log.front(), "hide choices");
}

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

// What the installer copies into the program folder goes again, in its
// order, except the uninstaller itself; in its place the launcher, should
// it have been copied there by hand. Names compare as the file system does.
TEST(UninstallDeletion, FollowsWhatTheInstallerCopies) {
  std::vector<std::string> expected;
  for (std::string_view file : installer::kInstallFiles) {
    if (file.empty()) continue; // the runtime rows: no file with a static build
    expected.push_back(Lower(file) == "uninstall.exe" ? "setup.exe" : Lower(file));
  }
  std::vector<std::string> deleted;
  for (const char* file : UninstalledFiles()) deleted.push_back(Lower(file));
  EXPECT_EQ(deleted, expected);
}

TEST(UninstallTexts, EveryPairFilledEnglishAscii) {
  for (int i = 0; i < static_cast<int>(Text::Count); ++i) {
    const TextPair& pair = TextPairOf(static_cast<Text>(i));
    EXPECT_GT(std::string(pair.japanese).size(), 0u) << i;
    EXPECT_GT(std::string(pair.english).size(), 0u) << i;
    for (char c : pair.english) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << i;
    // Two-line texts are joined by a lone CR: a LF would show as a box.
    EXPECT_EQ(std::string(pair.japanese).find('\n'), std::string::npos) << i;
    EXPECT_EQ(std::string(pair.english).find('\n'), std::string::npos) << i;
  }
}

} // namespace
} // namespace orva::uninstall
