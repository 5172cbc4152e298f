// The uninstaller as a person uses it, in a scenario prefix of one Windows
// version with the install disk on E:, on an installation laid out as the
// installer leaves it: the removal on each Windows kind, the refusals (from
// the disk, while the measurement program runs), a file that cannot be
// deleted, and pictures of the window in both languages.
#include "tools/testsupport/desktop.h"
#include "tools/testsupport/installation.h"
#include "tools/testsupport/scenario.h"

#include "installer/common/win/tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include <windows.h>

namespace orva::testsupport {
namespace {

constexpr wchar_t kCaption[] = L"ORVA Uninstall";
constexpr DWORD kShow = 30000;
constexpr DWORD kRun = 120000;

const std::string kFolder = kProgramFolder;
const std::wstring kStart = L"Start Uninstallation";
const std::wstring kDiskRefusal =
    L"Can not uninstall from installing disk.\rExecute Uninstall.exe of the installed folder.";
const std::wstring kRunningRefusal = L"The measurement program (ORVA.exe) is running.\rClose it, then push [Next]key.";

struct Call {
  std::string tool, inf;
};

// The driver removals the prefix's Windows kind asks for, in order.
std::vector<Call> ExpectedCalls() {
  const std::string v = ScenarioWindowsVersion();
  if (v == "win95" || v == "win98" || v == "winme") return {{"wdreg16.exe", "ORVA.inf"}, {"wdreg16.exe", "windrvr6.inf"}};
  if (v == "nt40") return {{"wdreg.exe", "windrvr6.inf"}};
  return {{"wdreg_gui.exe", "ORVA.inf"}, {"wdreg_gui.exe", "windrvr6.inf"}};
}

// What the status line shows while each of those runs.
std::vector<std::wstring> ExpectedStatusDuringCalls() {
  const std::string v = ScenarioWindowsVersion();
  if (v == "win95" || v == "win98" || v == "winme") return {kStart, L"Uninstalling of ORVA..."};
  if (v == "nt40") return {L"Uninstalling of driver..."};
  return {L"Uninstalling of ORVA...", L"Uninstalling of driver..."};
}

std::wstring StatusLine(HWND window) { return RemoteWindowText(FindControlById(window, installer::kLblDisp)); }

class Uninstaller : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(InScenario());
    std::string error;
    ASSERT_TRUE(LayOutInstallation(InstallDisk(), kFolder, error)) << error;
    WriteWholeFile(kFolder + "notes.txt", "the user's own file\r\n");
    ClearStandinLog();
    SetStandinControl("");
    before_ = FilesIn(kFolder);
  }
  void TearDown() override { EndProcessesNamed(L"UNINSTALL.EXE"); }

  HWND Start(const std::string& exe) {
    program_ = StartedProgram::Open(exe);
    if (!program_) return nullptr;
    return WaitForTopLevelWindow(kCaption, kShow, program_.ProcessId());
  }

  // Everything the laid-out installation put in place is still there.
  void ExpectNothingTouched() {
    EXPECT_EQ(FilesIn(kFolder), before_);
    EXPECT_TRUE(StandinCalls().empty());
    for (const char* inf : {"windrvr6.inf", "ORVA.inf"}) EXPECT_TRUE(PathExists(WindowsInfFolder() + inf)) << inf;
    for (const auto& link : ShortcutPaths()) EXPECT_TRUE(PathExists(link)) << link;
  }

  StartedProgram program_;
  std::vector<std::string> before_;
};

TEST_F(Uninstaller, FromTheProgramFolderRemovesTheInstallation) {
  HWND window = Start(kFolder + "UNINSTALL.EXE");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(StatusLine(window), kStart);
  EXPECT_FALSE(ButtonUsable(window, L"Complete"));

  // Each driver tool is held while the test reads the status line.
  const std::vector<Call> expected = ExpectedCalls();
  const std::vector<std::wstring> statusDuring = ExpectedStatusDuringCalls();
  auto hold = std::make_unique<StandinHold>();
  ASSERT_TRUE(PressButton(window, L"Next"));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const DWORD start = GetTickCount();
    while (StandinCalls().size() < i + 1 && GetTickCount() - start < kRun) Sleep(50);
    ASSERT_EQ(StandinCalls().size(), i + 1) << "call " << i;
    EXPECT_EQ(StatusLine(window), statusDuring[i]) << "during call " << i;
    EXPECT_FALSE(ButtonUsable(window, L"Next"));
    EXPECT_FALSE(ButtonUsable(window, L"Cancel"));
    auto next = std::make_unique<StandinHold>(); // for the call after this one
    hold->Release();
    hold = std::move(next);
  }
  ASSERT_TRUE(WaitForButton(window, L"Complete", kRun));
  hold->Release();

  const auto calls = StandinCalls();
  ASSERT_EQ(calls.size(), expected.size());
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(_stricmp(calls[i].tool.c_str(), (kFolder + expected[i].tool).c_str()), 0) << calls[i].tool;
    EXPECT_EQ(calls[i].arguments, "-inf " + WindowsInfFolder() + expected[i].inf + " -silent uninstall");
  }
  EXPECT_EQ(FilesIn(kFolder), (std::vector<std::string>{"UNINSTALL.EXE", "notes.txt"}));
  for (const char* inf : {"windrvr6.inf", "ORVA.inf"}) EXPECT_FALSE(PathExists(WindowsInfFolder() + inf)) << inf;
  for (const auto& link : ShortcutPaths()) EXPECT_FALSE(PathExists(link)) << link;
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_TRUE(PathExists(std::string(system) + "\\drivers\\windrvr6.sys")) << "the driver file stays";
  EXPECT_EQ(StatusLine(window), L"");
  EXPECT_FALSE(ButtonUsable(window, L"Next"));
  EXPECT_FALSE(ButtonUsable(window, L"Cancel"));

  ASSERT_TRUE(PressButton(window, L"Complete"));
  DWORD code = 99;
  EXPECT_TRUE(program_.WaitForEnd(kShow, &code));
  EXPECT_EQ(code, 0u);
}

TEST_F(Uninstaller, WithoutItsDriverToolsStillRemovesTheFilesSilently) {
  for (const char* tool : {"wdreg_gui.exe", "wdreg16.exe", "wdreg.exe"}) DeleteFileA((kFolder + tool).c_str());
  HWND window = Start(kFolder + "UNINSTALL.EXE");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(PressButton(window, L"Next"));
  ASSERT_TRUE(WaitForButton(window, L"Complete", kRun));
  EXPECT_FALSE(WaitForMessageBox(program_.ProcessId(), 500)) << "no message for a missing tool";
  EXPECT_TRUE(StandinCalls().empty());
  EXPECT_EQ(FilesIn(kFolder), (std::vector<std::string>{"UNINSTALL.EXE", "notes.txt"}));
  ASSERT_TRUE(PressButton(window, L"Complete"));
  EXPECT_TRUE(program_.WaitForEnd(kShow));
}

TEST_F(Uninstaller, FromTheInstallDiskRefusesAndTouchesNothing) {
  HWND window = Start(InstallDisk() + "UNINSTALL.EXE");
  ASSERT_NE(window, nullptr);
  for (int press = 0; press < 2; ++press) {
    ASSERT_TRUE(PressButton(window, L"Next")) << press;
    EXPECT_EQ(WaitForText([&] { return StatusLine(window); }, kDiskRefusal, kShow), kDiskRefusal) << press;
    EXPECT_TRUE(ButtonUsable(window, L"Next")) << press;
  }
  ASSERT_TRUE(PressButton(window, L"Japanese"));
  EXPECT_EQ(WaitForText([&] { return StatusLine(window); }, L"アンインストールを開始します", kShow),
            L"アンインストールを開始します");
  EXPECT_TRUE(ButtonUsable(window, L"次へ"));
  EXPECT_TRUE(ButtonUsable(window, L"キャンセル"));
  ExpectNothingTouched();
  ASSERT_TRUE(PressButton(window, L"キャンセル"));
  EXPECT_TRUE(program_.WaitForEnd(kShow));
  ExpectNothingTouched();
}

TEST_F(Uninstaller, WhileTheMeasurementProgramRunsRefusesUntilItIsClosed) {
  StartedProgram station = StartedProgram::Open(kFolder + "ORVA.exe");
  ASSERT_TRUE(station);
  HWND main = WaitForTopLevelWindow(L"Sound Wave Style Tension Meter", kShow, station.ProcessId());
  ASSERT_NE(main, nullptr);

  HWND window = Start(kFolder + "UNINSTALL.EXE");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(PressButton(window, L"Next"));
  EXPECT_EQ(WaitForText([&] { return StatusLine(window); }, kRunningRefusal, kShow), kRunningRefusal);
  EXPECT_TRUE(ButtonUsable(window, L"Next"));
  EXPECT_TRUE(ButtonUsable(window, L"Cancel"));
  // The station's run log and settings may have been written meanwhile;
  // nothing of the installation is gone.
  for (const auto& name : before_) EXPECT_TRUE(PathExists(kFolder + name)) << name;
  EXPECT_TRUE(StandinCalls().empty());

  PostMessageW(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(station.WaitForEnd(kShow));
  ASSERT_TRUE(WaitForNoProcessNamed(L"LinkKeeper.exe", kShow));
  ASSERT_TRUE(PressButton(window, L"Next"));
  ASSERT_TRUE(WaitForButton(window, L"Complete", kRun));
  EXPECT_FALSE(PathExists(kFolder + "ORVA.exe"));
  EXPECT_EQ(StandinCalls().size(), ExpectedCalls().size());
}

TEST_F(Uninstaller, AFileThatCannotBeDeletedEndsItWithOneMessage) {
  const std::string locked = kFolder + "ORVA.ini";
  HANDLE open = CreateFileA(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  HWND window = Start(kFolder + "UNINSTALL.EXE");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(PressButton(window, L"Next"));
  const MessageBoxSeen box = WaitForMessageBox(program_.ProcessId(), kRun);
  ASSERT_TRUE(box);
  EXPECT_EQ(box.title, L"UNINSTALL");
  EXPECT_NE(box.text.find(L"C:\\Program Files\\ORVA\\EXE\\ORVA.ini"), std::wstring::npos) << box.text.c_str();
  EXPECT_GT(box.text.size(), std::wstring(L"C:\\Program Files\\ORVA\\EXE\\ORVA.ini").size() + 2) << "and the error";
  EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_FALSE(box.hasIcon);
  ASSERT_TRUE(DismissMessageBox(box));
  EXPECT_TRUE(program_.WaitForEnd(kShow));
  CloseHandle(open);
  // Deleted before it stays deleted; the rest of the list stays.
  EXPECT_FALSE(PathExists(kFolder + "ORVA.exe"));
  EXPECT_TRUE(PathExists(locked));
  EXPECT_TRUE(PathExists(kFolder + "meterlink.dll"));
  EXPECT_TRUE(PathExists(WindowsInfFolder() + "ORVA.inf"));
  // Only the one box.
  EXPECT_FALSE(WaitForMessageBox(program_.ProcessId(), 500));
}

// Pictures for a person to look at (only on a display): before and after,
// in English and in Japanese.
TEST_F(Uninstaller, Screenshots) {
  for (const bool japanese : {false, true}) {
    if (japanese) {
      std::string error;
      ASSERT_TRUE(LayOutInstallation(InstallDisk(), kFolder, error)) << error;
    }
    HWND window = Start(kFolder + "UNINSTALL.EXE");
    ASSERT_NE(window, nullptr);
    if (japanese) {
      ASSERT_TRUE(PressButton(window, L"Japanese"));
    }
    const std::string lang = japanese ? "ja" : "en";
    SaveScreenshot("uninstall-" + lang + "-before", window);
    ASSERT_TRUE(PressButton(window, japanese ? L"次へ" : L"Next"));
    ASSERT_TRUE(WaitForButton(window, japanese ? L"完了" : L"Complete", kRun));
    SaveScreenshot("uninstall-" + lang + "-after", window);
    ASSERT_TRUE(PressButton(window, japanese ? L"完了" : L"Complete"));
    EXPECT_TRUE(program_.WaitForEnd(kShow));
  }
}

} // namespace
} // namespace orva::testsupport
