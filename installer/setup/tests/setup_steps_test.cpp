// The setup launcher's pass against a recording host.
#include "installer/setup/setup_steps.h"

#include "installer/common/status_style.h"
#include "tools/testsupport/call_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace orva::installer {
namespace {

struct FakeSetupHost : SetupHost {
  std::string windowsFolder = "C:\\WINDOWS", systemFolder = "C:\\WINDOWS\\system32";
  std::set<std::string> folders;
  std::vector<std::string> log;

  std::vector<std::string> Only(const std::string& prefix) const {
    return testsupport::CallsStartingWith(log, prefix);
  }
  void ShowStatus(const TextPair& t, int alignment, unsigned colour) override {
    log.push_back("status " + std::string(t.english) + (alignment == kAlignCentre ? " |centre" : " |left") +
                  (colour == kRed ? " red" : " black"));
  }
  void HideNext() override { log.push_back("hide next"); }
  void ReadSystemFolders(std::string& w, std::string& s) override { w = windowsFolder; s = systemFolder; }
  void InstallSystemControl(const std::string& f) override { log.push_back("control " + f); }
  bool IsFolder(const std::string& p) override { return folders.count(p) > 0; }
  void CreateFolder(const std::string& p) override { folders.insert(p); log.push_back("mkdir " + p); }
  void CopyToFolder(const std::string& f, const std::string& folder) override {
    log.push_back("copy " + f + " > " + folder);
  }
  bool LaunchProgram(const std::string& p) override { log.push_back("launch " + p); return true; }
  void CloseWindow() override { log.push_back("close"); }
};

TEST(SetupLauncher, MarkersByFolderAndLanguage) {
  const struct {
    bool folderThere;
    Language language;
    std::vector<std::string> markers; // copies before the list
  } cases[] = {
      {false, kLanguageEnglish, {"DIR.TXT > C:\\XTEMPINS"}},
      {false, kLanguageJapanese, {"DIR.TXT > C:\\XTEMPINS", "JP.TXT > C:\\XTEMPINS"}},
      {true, kLanguageEnglish, {}},  // a leftover folder: no DIR.TXT this time
      {true, kLanguageJapanese, {"JP.TXT > C:\\XTEMPINS"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.folderThere) + " " + std::to_string(c.language));
    FakeSetupHost host;
    if (c.folderThere) host.folders.insert("C:\\XTEMPINS\\");
    RunSetup(host, c.language);
    const auto copies = host.Only("copy ");
    ASSERT_EQ(copies.size(), c.markers.size() + 20);
    EXPECT_EQ(std::vector<std::string>(copies.begin(), copies.begin() + c.markers.size()), c.markers);
    EXPECT_EQ(copies[c.markers.size()], "msflxgrd.ocx > C:\\XTEMPINS");
    EXPECT_EQ(copies.back(), "DIRSWEEP.EXE > C:\\XTEMPINS");
    EXPECT_EQ(host.Only("mkdir "), c.folderThere ? std::vector<std::string>{} : std::vector<std::string>{"C:\\XTEMPINS\\"});
  }
}

TEST(SetupLauncher, OnePassInOrder) {
  FakeSetupHost host;
  RunSetup(host, kLanguageEnglish);
  const auto at = [&](const std::string& e) { return std::find(host.log.begin(), host.log.end(), e) - host.log.begin(); };
  EXPECT_EQ(host.log.front(), "status Start Installation |centre red");
  EXPECT_EQ(host.log[1], "hide next");
  EXPECT_LT(at("control COMDLG32.ocx"), at("control msflxgrd.ocx"));
  EXPECT_LT(at("control msflxgrd.ocx"), at("mkdir C:\\XTEMPINS\\"));
  EXPECT_LT(at("copy DIRSWEEP.EXE > C:\\XTEMPINS"), at("status Please Wait... |centre black"));
  const std::vector<std::string> tail(host.log.end() - 3, host.log.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"status Please Wait... |centre black", "launch C:\\XTEMPINS\\INSTALL.EXE",
                                            "close"}));
}

TEST(SetupLauncher, NoSystemFolderSkipsOnlyTheControls) {
  for (int missing = 0; missing < 2; ++missing) {
    FakeSetupHost host;
    (missing == 0 ? host.windowsFolder : host.systemFolder).clear();
    RunSetup(host, kLanguageEnglish);
    EXPECT_TRUE(host.Only("control ").empty());
    EXPECT_EQ(host.Only("copy ").size(), 21u);
    EXPECT_EQ(host.Only("launch ").size(), 1u);
  }
}

} // namespace
} // namespace orva::installer
