// The installer's steps against a recording host: what each Next does on
// each Windows kind, the refusals and the failures, and the state left.
#include "installer/install/wizard.h"

#include "installer/install/install_texts.h"
#include "tools/testsupport/call_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace orva::installer {
namespace {

struct FakeHost : WizardHost {
  // what the platform answers
  WindowsKind kind = WindowsKind::ModernNt;
  std::string windowsFolder = "C:\\WINDOWS", systemFolder = "C:\\WINDOWS\\system32";
  std::set<std::string> folders = {"C:\\", "C:\\WINDOWS\\system32"};
  bool toolSucceeds = true;
  bool orvaRunning = false;
  bool closeDuringWait = false;
  // what the window shows
  std::string folderText;
  bool nextShown = true, cancelShown = true, completeShown = false, folderChoiceShown = false;
  bool languageFrameShown = true, closed = false, windowClosed = false;
  std::vector<std::string> log;

  std::vector<std::string> Only(const std::string& prefix) const {
    return testsupport::CallsStartingWith(log, prefix);
  }
  std::string LastStatus() const { auto s = Only("status "); return s.empty() ? "" : s.back(); }

  void ShowStatus(const TextPair& t, int alignment, unsigned colour) override {
    log.push_back("status " + std::string(t.english) + (alignment == kAlignLeft ? " |left" : " |centre") +
                  (colour == kRed ? " red" : colour == kBlack ? " black" : " ?"));
  }
  void Message(const TextPair& t) override { log.push_back("box " + std::string(t.english)); }
  void ShowNext(bool shown) override { nextShown = shown; }
  void ShowCancel(bool shown) override { cancelShown = shown; }
  void ShowComplete() override { completeShown = true; }
  void ShowFolderChoice(bool shown) override { folderChoiceShown = shown; }
  void HideLanguageFrame() override { languageFrameShown = false; }
  std::string FolderText() override { return folderText; }
  void SetFolderText(const std::string& t) override { folderText = t; }
  void SetSystem32Label(const std::string& t) override { log.push_back("label32 " + t); }
  bool Closed() override { return closed; }
  void CloseWindow() override { windowClosed = true; log.push_back("close"); }
  WindowsKind DetectWindows() override { return kind; }
  void ReadSystemFolders(std::string& w, std::string& s) override { w = windowsFolder; s = systemFolder; }
  bool IsFolder(const std::string& p) override { return folders.count(p) > 0; }
  void CreateFolder(const std::string& p) override { folders.insert(p); log.push_back("mkdir " + p); }
  void CopyToFolder(const std::string& f, const std::string& folder) override {
    log.push_back("copy " + folder + f);
  }
  void CopyFile(const std::string& s, const std::string& t) override { log.push_back("copyfile " + s + " > " + t); }
  void InstallSystemControl(const std::string& f) override { log.push_back("control " + f); }
  void PauseSeconds(double s) override {
    log.push_back("pause " + std::to_string(static_cast<int>(s)));
    if (closeDuringWait) closed = true;
  }
  bool RunToolAndWait(const std::string& tool, const std::string& inf) override {
    log.push_back("run " + tool + " " + inf);
    if (closeDuringWait) closed = true;
    return toolSucceeds && !closed;
  }
  bool MeasurementProgramRunning() override { return orvaRunning; }
  void CreateShortcut(SpecialFolder f, const std::string& target, const std::string& wd) override {
    log.push_back(std::string("shortcut ") + (f == SpecialFolder::Desktop ? "Desktop " : "Programs ") + target +
                  " in " + wd);
  }
  void WriteHandleFile(const std::string& p) override { log.push_back("handle " + p); }
  bool LaunchProgram(const std::string& p) override { log.push_back("launch " + p); return true; }
};

constexpr char kInstaller[] = "C:\\XTEMPINS";
constexpr char kProgram[] = "C:\\Program Files\\ORVA\\EXE\\";

TEST(InstallWizard, FirstPromptByKind) {
  const struct {
    WindowsKind kind;
    const char* prompt;
  } cases[] = {
      {WindowsKind::Win9x, "Push [Next]key after turn OFF the power supply of Q880. |left red"},
      {WindowsKind::ModernNt, "Push [Next]key after connect Q880 and turn on the power supply .\r"
                              "Keep as the hardware wizard indicated without carrying out,\r"
                              "even if the hardware wizard is indicated. |left red"},
      {WindowsKind::OldNt, nullptr},
      {WindowsKind::Unknown, nullptr},
  };
  for (const auto& c : cases) {
    FakeHost host;
    host.kind = c.kind;
    InstallWizard wizard(host, kInstaller);
    wizard.ShowFirstPrompt();
    const std::string expected = c.prompt ? c.prompt : cases[1].prompt; // every kind but 1 asks to connect
    EXPECT_EQ(host.LastStatus(), expected) << static_cast<int>(c.kind);
  }
}

// Runs the wizard from the first prompt through as many Next presses as given.
void PressNext(InstallWizard& wizard, int times) {
  for (int i = 0; i < times; ++i) wizard.OnNext();
}

TEST(InstallWizard, WholeRunByKind) {
  const struct {
    WindowsKind kind;
    int presses;
    std::int16_t step;
    std::vector<std::string> runs;
    bool complete;
    const char* lastStatus;
  } cases[] = {
      {WindowsKind::ModernNt, 3, 4, {"wdreg_gui.exe windrvr6.inf", "wdreg_gui.exe ORVA.inf"}, true,
       "If the hardware wizard disappears automatically\rafter installation is completed,\r"
       "push [Next]key of the hardware wizard and carry out. |left red"},
      {WindowsKind::Win9x, 3, 4, {"wdreg16.exe windrvr6.inf"}, true,
       "If the hardware wizard is appeared, push [Cancel]key\rof the hardware wizard and finish the hardware "
       "wizard.\rAnd Turn ON the power supply of Q880. |left red"},
      {WindowsKind::OldNt, 2, 0, {}, false, "Copy files... |centre black"},
      {WindowsKind::Unknown, 2, 1, {}, false, "Copy files... |centre black"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    FakeHost host;
    host.kind = c.kind;
    InstallWizard wizard(host, kInstaller);
    wizard.ShowFirstPrompt();
    PressNext(wizard, c.presses);
    EXPECT_EQ(wizard.InstallStep(), c.step);
    EXPECT_EQ(host.Only("run "), c.runs);
    EXPECT_EQ(host.completeShown, c.complete);
    EXPECT_EQ(host.LastStatus(), c.lastStatus);
    EXPECT_FALSE(host.nextShown) << "Next is hidden at the end of each of these runs";
    EXPECT_EQ(host.cancelShown, !c.complete);
    EXPECT_EQ(wizard.ProgramFolder(), kProgram);
    if (c.kind == WindowsKind::OldNt)
      EXPECT_EQ(host.Only("box "), std::vector<std::string>{"Not available for Windows98/Me/NT."});
    else
      EXPECT_TRUE(host.Only("box ").empty());
  }
}

TEST(InstallWizard, FolderStepOffersTheDefaultRootAndFixesTheLanguage) {
  FakeHost host;
  InstallWizard wizard(host, kInstaller);
  wizard.OnNext();
  EXPECT_EQ(wizard.InstallStep(), 1);
  EXPECT_EQ(host.folderText, "C:\\Program Files\\ORVA\\");
  EXPECT_TRUE(host.folderChoiceShown);
  EXPECT_FALSE(host.languageFrameShown);
  EXPECT_EQ(host.LastStatus(), "Select folder to install |centre black");
  // A language chosen now would not show the first prompt again.
  const auto before = host.log.size();
  wizard.OnLanguageChosen();
  EXPECT_EQ(host.log.size(), before);
}

TEST(InstallWizard, InstallerFolderWithABlankIsRefusedAtTheFolderStep) {
  FakeHost host;
  InstallWizard wizard(host, "C:\\Documents and Settings\\XTEMPINS");
  for (int press = 0; press < 2; ++press) {
    wizard.OnNext();
    EXPECT_EQ(wizard.InstallStep(), 0);
    EXPECT_FALSE(host.folderChoiceShown);
    EXPECT_TRUE(host.languageFrameShown);
  }
  EXPECT_EQ(host.Only("box "), (std::vector<std::string>{"Execute 'Setup.exe' on the install disk.",
                                                          "Execute 'Setup.exe' on the install disk."}));
  EXPECT_EQ(host.LastStatus(), "Select folder to install |centre black");
}

TEST(InstallWizard, RefusedRootsGoBackToTheFolderStep) {
  const struct {
    const char* root;
    const char* message;
    std::int16_t step;
  } cases[] = {
      {"", "The name of folder isn't right. ", 0},
      {"C:\\XTEMPINS\\..", nullptr, 2}, // not the same text: accepted
      {"C:\\", nullptr, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.root);
    FakeHost host;
    InstallWizard wizard(host, kInstaller);
    wizard.OnNext();
    host.folderText = c.root;
    wizard.OnNext();
    EXPECT_EQ(wizard.InstallStep(), c.step);
    if (c.message) {
      EXPECT_EQ(host.Only("box "), std::vector<std::string>{c.message});
      EXPECT_TRUE(host.nextShown);
      EXPECT_TRUE(host.Only("copy ").empty());
      EXPECT_TRUE(host.Only("mkdir ").empty());
      // The following Next is the folder step again, with the default root back.
      wizard.OnNext();
      EXPECT_EQ(host.folderText, "C:\\Program Files\\ORVA\\");
      EXPECT_EQ(wizard.InstallStep(), 1);
    }
  }
}

TEST(InstallWizard, InstallingIntoTheInstallerFolderIsRefused) {
  const struct {
    const char* installer;
    const char* root;
  } cases[] = {
      {"C:\\XTEMPINS\\EXE", "C:\\XTEMPINS"},
      {"C:\\XTEMPINS\\EXE", "C:\\XTEMPINS\\"},
      {"C:\\EXE", "C:\\"},
  };
  for (const auto& c : cases) {
    FakeHost host;
    InstallWizard wizard(host, c.installer);
    wizard.OnNext();
    host.folderText = c.root;
    wizard.OnNext();
    EXPECT_EQ(wizard.InstallStep(), 0) << c.root;
    EXPECT_EQ(host.Only("box "), std::vector<std::string>{"Execute 'Setup.exe' on the install disk."});
    EXPECT_TRUE(host.Only("copy ").empty());
    EXPECT_TRUE(host.nextShown);
  }
}

TEST(InstallWizard, RunningMeasurementProgramKeepsTheFolderStep) {
  FakeHost host;
  host.orvaRunning = true;
  InstallWizard wizard(host, kInstaller);
  wizard.OnNext();
  wizard.OnNext();
  EXPECT_EQ(wizard.InstallStep(), 1);
  EXPECT_EQ(host.Only("box "),
            std::vector<std::string>{"The measurement program (ORVA.exe) is running. Close it, then push [Next]key."});
  EXPECT_TRUE(host.Only("copy ").empty());
  EXPECT_TRUE(host.Only("mkdir ").empty());
  EXPECT_TRUE(host.nextShown);
  EXPECT_TRUE(host.folderChoiceShown);
  // Closed now: the next press copies.
  host.orvaRunning = false;
  wizard.OnNext();
  EXPECT_EQ(wizard.InstallStep(), 2);
  EXPECT_FALSE(host.Only("copy ").empty());
}

TEST(InstallWizard, CopyStepCreatesMissingLevelsThenCopiesInOrder) {
  FakeHost host;
  host.folders.insert("C:\\Tools\\");
  InstallWizard wizard(host, kInstaller);
  wizard.OnNext();
  host.folderText = "C:\\Tools\\ORVA";
  wizard.OnNext();
  EXPECT_EQ(host.Only("mkdir "), (std::vector<std::string>{"C:\\Tools\\ORVA\\", "C:\\Tools\\ORVA\\EXE\\"}));
  const auto copies = host.Only("copy ");
  ASSERT_EQ(copies.size(), 21u) << "the two runtime rows name no file";
  EXPECT_EQ(copies.front(), "C:\\Tools\\ORVA\\EXE\\msflxgrd.ocx");
  EXPECT_EQ(copies.back(), "C:\\Tools\\ORVA\\EXE\\JP.TXT");
  EXPECT_EQ(host.Only("control "), (std::vector<std::string>{"COMDLG32.ocx", "msflxgrd.ocx"}));
  // Folders first, then the copies, then the controls, then the driver.
  const auto at = [&](const std::string& e) { return std::find(host.log.begin(), host.log.end(), e) - host.log.begin(); };
  EXPECT_LT(at("mkdir C:\\Tools\\ORVA\\EXE\\"), at("copy C:\\Tools\\ORVA\\EXE\\msflxgrd.ocx"));
  EXPECT_LT(at("copy C:\\Tools\\ORVA\\EXE\\JP.TXT"), at("control COMDLG32.ocx"));
  EXPECT_LT(at("control msflxgrd.ocx"), at("pause 1"));
  EXPECT_LT(at("pause 1"), at("run wdreg_gui.exe windrvr6.inf"));
  EXPECT_FALSE(host.folderChoiceShown);
  EXPECT_EQ(wizard.ProgramFolder(), "C:\\Tools\\ORVA\\EXE\\");
}

TEST(InstallWizard, Win9xPlacesTheDriverFilesUnderTheWindowsFolder) {
  FakeHost host;
  host.kind = WindowsKind::Win9x;
  host.windowsFolder = "C:\\WINDOWS";
  host.systemFolder = "C:\\WINDOWS\\SYSTEM";
  InstallWizard wizard(host, kInstaller);
  PressNext(wizard, 2);
  EXPECT_EQ(wizard.InstallStep(), 3);
  EXPECT_EQ(host.Only("copyfile "),
            (std::vector<std::string>{"C:\\XTEMPINS\\windrvr6.sys > C:\\WINDOWS\\system32\\drivers\\windrvr6.sys",
                                      "C:\\XTEMPINS\\windrvr6.inf > C:\\WINDOWS\\inf\\windrvr6.inf",
                                      "C:\\XTEMPINS\\ORVA.inf > C:\\WINDOWS\\inf\\ORVA.inf"}));
  EXPECT_EQ(host.Only("label32 "), (std::vector<std::string>{"", "C:\\WINDOWS\\system32"}));
  EXPECT_EQ(host.LastStatus(), "Push [Next]key after turn OFF the power supply of Q880. |left red");
  EXPECT_TRUE(host.nextShown);
  EXPECT_TRUE(host.Only("run ").empty()) << "the driver tool runs on the next press";
  EXPECT_TRUE(host.Only("pause ").empty());
}

TEST(InstallWizard, FailuresAfterTheCopyHideNext) {
  const struct {
    const char* name;
    WindowsKind kind;
    bool noSystemFolder, noSystem32, toolFails;
    int presses;
    std::vector<std::string> boxes;
    const char* lastStatus;
  } cases[] = {
      {"no system folder", WindowsKind::ModernNt, true, false, false, 2, {"Windows system folder isn't found."},
       "Copy files... |centre black"},
      {"no system32 on 9x", WindowsKind::Win9x, false, true, false, 2, {"\\Windows\\System32\\ folder isn't found. "},
       "Copy files... |centre black"},
      {"first driver tool fails", WindowsKind::ModernNt, false, false, true, 2, {}, "Installing of driver... |centre black"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeHost host;
    host.kind = c.kind;
    if (c.noSystemFolder) host.systemFolder.clear();
    if (c.noSystem32) host.folders.erase("C:\\WINDOWS\\system32");
    host.toolSucceeds = !c.toolFails;
    InstallWizard wizard(host, kInstaller);
    PressNext(wizard, c.presses);
    EXPECT_EQ(wizard.InstallStep(), 0);
    EXPECT_FALSE(host.nextShown);
    EXPECT_EQ(host.Only("box "), c.boxes);
    EXPECT_EQ(host.LastStatus(), c.lastStatus);
    if (c.noSystemFolder) {
      EXPECT_TRUE(host.Only("control ").empty());
    }
  }
}

TEST(InstallWizard, SecondDriverRegistrationFailing) {
  for (WindowsKind kind : {WindowsKind::ModernNt, WindowsKind::Win9x}) {
    FakeHost host;
    host.kind = kind;
    InstallWizard wizard(host, kInstaller);
    PressNext(wizard, 2);
    host.toolSucceeds = false;
    wizard.OnNext();
    EXPECT_EQ(wizard.InstallStep(), 0);
    EXPECT_FALSE(host.nextShown);
    EXPECT_TRUE(host.cancelShown);
    EXPECT_FALSE(host.completeShown);
    EXPECT_EQ(host.LastStatus(), "The installation of the driver was unsuccessful. |centre black");
    EXPECT_TRUE(host.Only("shortcut ").empty());
  }
}

TEST(InstallWizard, FinishMakesBothShortcutsAndCompleteHandsOver) {
  FakeHost host;
  InstallWizard wizard(host, kInstaller);
  PressNext(wizard, 3);
  EXPECT_EQ(host.Only("shortcut "),
            (std::vector<std::string>{std::string("Desktop ") + kProgram + "ORVA.exe in " + kProgram,
                                      std::string("Programs ") + kProgram + "ORVA.exe in " + kProgram}));
  host.log.clear();
  wizard.OnComplete();
  EXPECT_EQ(host.log, (std::vector<std::string>{"handle C:\\XTEMPINS\\temp.txt",
                                                std::string("launch ") + kProgram + "DIRSWEEP.EXE", "close"}));
}

TEST(InstallWizard, ClosedDuringAWaitDropsTheRemainingSteps) {
  const struct {
    WindowsKind kind;
    int pressesBefore;
    std::int16_t stepAfter;
  } cases[] = {
      {WindowsKind::ModernNt, 1, 1}, // during the pause before the first driver tool
      {WindowsKind::ModernNt, 2, 2}, // during the pause before the meter's registration
      {WindowsKind::Win9x, 2, 3},    // while the 16-bit tool runs
  };
  for (const auto& c : cases) {
    FakeHost host;
    host.kind = c.kind;
    InstallWizard wizard(host, kInstaller);
    PressNext(wizard, c.pressesBefore);
    host.closeDuringWait = true;
    host.log.clear();
    wizard.OnNext();
    EXPECT_EQ(wizard.InstallStep(), c.stepAfter);
    EXPECT_TRUE(host.Only("box ").empty());
    EXPECT_TRUE(host.Only("shortcut ").empty());
    EXPECT_FALSE(host.completeShown);
    // Nothing touches the window after the wait it was closed in.
    ASSERT_FALSE(host.log.empty());
    const std::string last = host.log.back();
    EXPECT_TRUE(last.rfind("pause ", 0) == 0 || last.rfind("run ", 0) == 0) << last;
    EXPECT_FALSE(wizard.Busy());
  }
}

TEST(InstallWizard, HelpFileByLanguage) {
  EXPECT_EQ(InstallerHelpPath("C:\\XTEMPINS", kLanguageEnglish), "C:\\XTEMPINS\\SetuphelpEN.chm");
  EXPECT_EQ(InstallerHelpPath("C:\\XTEMPINS", kLanguageJapanese), "C:\\XTEMPINS\\SetuphelpJP.chm");
  EXPECT_EQ(InstallerHelpPath("E:\\", kLanguageJapanese), "E:\\SetuphelpJP.chm");
}

} // namespace
} // namespace orva::installer
