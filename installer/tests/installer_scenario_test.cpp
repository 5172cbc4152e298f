// Installer stories on a fresh Wine prefix per scenario, the install disk
// on drive E: (scripts/installer-scenario.sh): SETUP.EXE and INSTALL.EXE
// driven from outside as a person would, by window caption and button
// caption, with the status line, message boxes, files, shortcuts and the
// stand-in driver tools' log read back. What a story expects of the Windows
// kind follows the version the scenario's prefix reports.
#include "tools/testsupport/desktop.h"
#include "tools/testsupport/scenario.h"
#include "tools/testsupport/station_window.h"
#include "tools/testsupport/test_files.h"

#include "installer/common/file_lists.h"
#include "installer/common/win/tool.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace orva::testsupport {
namespace {

using installer::ControlId;

constexpr wchar_t kCaption[] = L"ORVA Setup";
constexpr DWORD kWindowWait = 30000;
constexpr DWORD kStepWait = 60000;
constexpr char kTemp[] = "C:\\XTEMPINS\\";
constexpr char kRoot[] = "C:\\Program Files\\ORVA\\";
constexpr char kProgram[] = "C:\\Program Files\\ORVA\\EXE\\";

const std::wstring kConnectPrompt =
    L"Push [Next]key after connect Q880 and turn on the power supply .\r"
    L"Keep as the hardware wizard indicated without carrying out,\r"
    L"even if the hardware wizard is indicated.";
const std::wstring kSwitchOffPrompt = L"Push [Next]key after turn OFF the power supply of Q880.";
const std::wstring kConnectAndSwitchOn = L"Push [Next]key after connect Q880 and turn on the power supply .";
const std::wstring kKind2Done = L"If the hardware wizard disappears automatically\r"
                                L"after installation is completed,\r"
                                L"push [Next]key of the hardware wizard and carry out.";
const std::wstring kKind1Done = L"If the hardware wizard is appeared, push [Cancel]key\r"
                                L"of the hardware wizard and finish the hardware wizard.\r"
                                L"And Turn ON the power supply of Q880.";

int Kind() {
  const std::string v = ScenarioWindowsVersion();
  if (v == "win95" || v == "win98" || v == "winme") return 1;
  if (v == "nt40" || v == "nt351") return 3;
  return 2;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

struct Link {
  bool read = false;
  std::string target, workingDirectory;
};

Link ReadLink(const std::string& path) {
  Link link;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkA* shell = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&shell))) &&
      SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    const std::wstring wide(path.begin(), path.end());
    if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
      char target[MAX_PATH] = {}, dir[MAX_PATH] = {};
      shell->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
      shell->GetWorkingDirectory(dir, MAX_PATH);
      link = {true, target, dir};
    }
  }
  if (file) file->Release();
  if (shell) shell->Release();
  CoUninitialize();
  return link;
}

std::vector<std::string> CallLines() {
  std::vector<std::string> lines;
  for (const auto& call : StandinCalls()) lines.push_back(call.tool + " " + call.arguments);
  return lines;
}

bool Eventually(const std::function<bool()>& condition, DWORD ms) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > ms) return false;
    Sleep(50);
  }
  return true;
}

// One installation tool's window on the screen.
struct ToolOnScreen {
  DWORD pid = 0;
  HWND window = nullptr;

  HWND Control(int id) const { return FindControlById(window, id); }
  std::wstring Status() const { return RemoteWindowText(Control(installer::kLblDisp)); }
  bool WaitForStatus(const std::wstring& expected, DWORD ms = kStepWait) const {
    return WaitForText([&] { return Status(); }, expected, ms) == expected;
  }
  bool Press(const std::wstring& caption) const { return PressButton(window, caption); }
  bool Usable(const std::wstring& caption) const { return ButtonUsable(window, caption); }
  std::wstring FolderBox() const { return RemoteWindowText(Control(installer::kTxtInstallDir)); }
  bool Gone(DWORD ms) const { return Eventually([&] { return !IsWindow(window); }, ms); }
};

ToolOnScreen WaitForTool(const wchar_t* exe) {
  ToolOnScreen tool;
  tool.pid = WaitForProcessNamed(exe, kWindowWait);
  if (tool.pid) tool.window = WaitForTopLevelWindow(kCaption, kWindowWait, tool.pid);
  return tool;
}

// A message box of the tool: its text, after checking it is the tool's own
// kind of box (its title, an OK button only); pressed away.
std::wstring TakeMessage(const ToolOnScreen& tool, const wchar_t* title) {
  const MessageBoxSeen box = WaitForMessageBox(tool.pid, kStepWait);
  if (!box.window) return L"<no message box>";
  EXPECT_EQ(box.title, title);
  EXPECT_EQ(FindControlByCaption(box.window, L"Cancel", L"Button"), nullptr);
  EXPECT_TRUE(PressMessageBoxButton(box.window, L"OK"));
  return box.text;
}

class Installer : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(InScenario()) << "runs inside scripts/installer-scenario.sh only";
    CleanUp();
  }
  void TearDown() override { CleanUp(); }

  static void CleanUp() {
    for (const wchar_t* exe : {L"SETUP.EXE", L"INSTALL.EXE", L"DIRSWEEP.EXE", L"ORVA.exe", L"LinkKeeper.exe"})
      EndProcessesNamed(exe);
    RemoveTree("C:\\XTEMPINS");
    RemoveTree("C:\\X TEMP");
    RemoveTree("C:\\Program Files\\ORVA");
    RemoveTree("C:\\Tools");
    DeleteFileA((SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\ORVA.exe.lnk").c_str());
    DeleteFileA((SpecialFolder(CSIDL_PROGRAMS) + "\\ORVA.exe.lnk").c_str());
    ClearStandinLog();
    SetStandinControl("");
  }

  // SETUP.EXE from the disk as a person starts it.
  ToolOnScreen StartSetup() {
    setup_ = StartedProgram::Open(InstallDisk() + "SETUP.EXE");
    EXPECT_TRUE(setup_);
    ToolOnScreen tool;
    tool.pid = setup_.ProcessId();
    tool.window = WaitForTopLevelWindow(kCaption, kWindowWait, tool.pid);
    return tool;
  }

  // Setup in English, through to the installer's first prompt.
  ToolOnScreen StartInstaller() {
    const ToolOnScreen setup = StartSetup();
    if (!setup.window) return {};
    EXPECT_TRUE(setup.Press(L"Next"));
    const ToolOnScreen install = WaitForTool(L"INSTALL.EXE");
    EXPECT_TRUE(install.window) << "the installer did not show";
    return install;
  }

  // From the first prompt through the folder step with `root` in the box,
  // to the state after the copy step.
  static void ThroughCopyStep(const ToolOnScreen& install, const std::string& root = kRoot) {
    ASSERT_TRUE(install.Press(L"Next"));
    ASSERT_TRUE(install.WaitForStatus(L"Select folder to install"));
    ASSERT_TRUE(Eventually([&] { return IsShown(install.Control(installer::kTxtInstallDir)); }, kWindowWait));
    EXPECT_EQ(install.FolderBox(), L"C:\\Program Files\\ORVA\\");
    if (root != kRoot) {
      const std::wstring wide(root.begin(), root.end());
      SendMessageW(install.Control(installer::kTxtInstallDir), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    ASSERT_TRUE(install.Press(L"Next"));
  }

  // A whole installation with the default root on a kind 1 or 2 system, up to Complete.
  static void ThroughFinish(const ToolOnScreen& install) {
    ASSERT_NO_FATAL_FAILURE(ThroughCopyStep(install));
    ASSERT_TRUE(install.WaitForStatus(Kind() == 1 ? kSwitchOffPrompt : kConnectAndSwitchOn)) << install.Status();
    ASSERT_TRUE(WaitForButton(install.window, L"Next", kStepWait));
    ASSERT_TRUE(install.Press(L"Next"));
    ASSERT_TRUE(WaitForButton(install.window, L"Complete", kStepWait)) << install.Status();
  }

  StartedProgram setup_;
};

TEST_F(Installer, SetupInEnglishCopiesTheDiskAndStartsTheInstaller) {
  const ToolOnScreen setup = StartSetup();
  ASSERT_TRUE(setup.window);
  EXPECT_EQ(setup.Status(), L"Start Installation");
  EXPECT_TRUE(setup.Usable(L"Next"));
  EXPECT_TRUE(setup.Usable(L"Cancel"));
  for (int id : {installer::kLblOS, installer::kLblWindows, installer::kLblSystem, installer::kLblSystemFile,
                 installer::kLblSystem32})
    EXPECT_FALSE(IsShown(setup.Control(id))) << id;
  SaveScreenshot("setup-english", setup.window);

  ASSERT_TRUE(setup.Press(L"Next"));
  const ToolOnScreen install = WaitForTool(L"INSTALL.EXE");
  ASSERT_TRUE(install.window);
  EXPECT_TRUE(setup_.WaitForEnd(kWindowWait)) << "setup ends once the installer is started";

  EXPECT_TRUE(Exists(std::string(kTemp) + "DIR.TXT")) << "setup created the folder";
  EXPECT_FALSE(Exists(std::string(kTemp) + "JP.TXT"));
  for (std::string_view file : installer::kSetupFiles) {
    if (file.empty()) continue;
    const std::string name(file);
    EXPECT_EQ(Exists(std::string(kTemp) + name), Exists(InstallDisk() + name)) << name;
  }
  EXPECT_TRUE(Exists(std::string(kTemp) + "INSTALL.EXE"));
  EXPECT_TRUE(Exists(std::string(kTemp) + "SETUP.EXE"));
  // The installer in English, from the temporary folder.
  EXPECT_TRUE(install.Usable(L"Next"));
  EXPECT_EQ(install.Status(), Kind() == 1 ? kSwitchOffPrompt : kConnectPrompt);
}

TEST_F(Installer, SetupInJapaneseHandsTheLanguageOn) {
  const ToolOnScreen setup = StartSetup();
  ASSERT_TRUE(setup.window);
  ASSERT_TRUE(setup.Press(L"Japanese"));
  ASSERT_TRUE(setup.WaitForStatus(L"インストールを開始します", kWindowWait)) << setup.Status();
  EXPECT_TRUE(setup.Usable(L"次へ"));
  EXPECT_TRUE(setup.Usable(L"キャンセル"));
  SaveScreenshot("setup-japanese", setup.window);
  ASSERT_TRUE(setup.Press(L"English"));
  ASSERT_TRUE(setup.WaitForStatus(L"Start Installation", kWindowWait));
  ASSERT_TRUE(setup.Press(L"Japanese"));
  ASSERT_TRUE(WaitForButton(setup.window, L"次へ", kWindowWait));

  ASSERT_TRUE(setup.Press(L"次へ"));
  const ToolOnScreen install = WaitForTool(L"INSTALL.EXE");
  ASSERT_TRUE(install.window);
  EXPECT_TRUE(Exists(std::string(kTemp) + "JP.TXT"));
  EXPECT_TRUE(Exists(std::string(kTemp) + "DIR.TXT"));
  ASSERT_TRUE(WaitForButton(install.window, L"次へ", kWindowWait)) << "the installer starts in Japanese";
  EXPECT_TRUE(install.Usable(L"キャンセル"));
  EXPECT_EQ(install.Status(), Kind() == 1 ? L"Q880の電源をオフしてから[次へ]釦を押してください"
                                          : L"Q880を接続して電源を入れてから[次へ]釦を押してください\r"
                                            L"ハードウエアウィザードが表示されても実行しないで、\r"
                                            L"表示したままにしておいてください");
}

TEST_F(Installer, SetupReusesALeftoverTemporaryFolder) {
  CreateDirectoryA("C:\\XTEMPINS", nullptr);
  WriteWholeFile(std::string(kTemp) + "JP.TXT", "");
  const ToolOnScreen setup = StartSetup();
  ASSERT_TRUE(setup.window);
  ASSERT_TRUE(setup.Press(L"Next")); // English chosen
  const ToolOnScreen install = WaitForTool(L"INSTALL.EXE");
  ASSERT_TRUE(install.window);
  EXPECT_FALSE(Exists(std::string(kTemp) + "DIR.TXT")) << "only a folder setup has just created gets the marker";
  EXPECT_TRUE(WaitForButton(install.window, L"次へ", kWindowWait)) << "the leftover JP.TXT wins";
}

TEST_F(Installer, SetupCancelCopiesNothing) {
  const ToolOnScreen setup = StartSetup();
  ASSERT_TRUE(setup.window);
  ASSERT_TRUE(setup.Press(L"Cancel"));
  EXPECT_TRUE(setup_.WaitForEnd(kWindowWait));
  EXPECT_FALSE(Exists("C:\\XTEMPINS"));
}

// The whole wizard on the scenario's Windows kind: prompts, the exact driver
// command lines in order, the files, the shortcuts, Complete and the hand-over
// to the folder remover, then the measurement program from its shortcut.
TEST_F(Installer, WizardOnThisWindowsKind) {
  const ToolOnScreen install = StartInstaller();
  ASSERT_TRUE(install.window);
  const int kind = Kind();
  EXPECT_EQ(install.Status(), kind == 1 ? kSwitchOffPrompt : kConnectPrompt);
  const std::string v = ScenarioWindowsVersion();
  const wchar_t* label = v == "win98" ? L"Windows98" : v == "winxp" ? L"WindowsXP" : v == "nt40" ? L"WindowsNT"
                                                                                                  : L"Windows?";
  EXPECT_EQ(RemoteWindowText(install.Control(installer::kLblOS)), label) << v;
  EXPECT_FALSE(IsShown(install.Control(installer::kLblOS)));

  ASSERT_NO_FATAL_FAILURE(ThroughCopyStep(install));
  if (kind == 3) {
    EXPECT_EQ(TakeMessage(install, L"INSTALL"), L"Not available for Windows98/Me/NT.");
    EXPECT_FALSE(install.Usable(L"Next"));
    EXPECT_TRUE(install.Usable(L"Cancel"));
    EXPECT_TRUE(Exists(std::string(kProgram) + "ORVA.exe")) << "the files are copied first";
    EXPECT_TRUE(StandinCalls().empty());
    ASSERT_TRUE(install.Press(L"Cancel"));
    EXPECT_TRUE(install.Gone(kWindowWait));
    EXPECT_TRUE(Exists(kTemp)) << "no folder remover after Cancel";
    return;
  }

  // After the copy step.
  if (kind == 1) {
    ASSERT_TRUE(install.WaitForStatus(kSwitchOffPrompt)) << install.Status();
    EXPECT_TRUE(StandinCalls().empty()) << "the 16-bit tool runs at the next step";
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    for (const std::string& placed : {std::string(windows) + "\\system32\\drivers\\windrvr6.sys",
                                     std::string(windows) + "\\inf\\windrvr6.inf",
                                     std::string(windows) + "\\inf\\ORVA.inf"})
      EXPECT_TRUE(Exists(placed)) << placed;
  } else {
    ASSERT_TRUE(install.WaitForStatus(kConnectAndSwitchOn)) << install.Status();
    EXPECT_EQ(CallLines(),
              std::vector<std::string>{"C:\\XTEMPINS\\wdreg_gui.exe -inf C:\\XTEMPINS\\windrvr6.inf -silent install"});
  }
  for (std::string_view file : installer::kInstallFiles) {
    if (file.empty()) continue;
    const std::string name(file);
    EXPECT_EQ(Exists(kProgram + name), Exists(kTemp + name)) << name;
  }
  EXPECT_TRUE(Exists(std::string(kProgram) + "ORVA.exe"));
  EXPECT_TRUE(Exists(std::string(kProgram) + "DIR.TXT"));

  ASSERT_TRUE(install.Press(L"Next"));
  ASSERT_TRUE(WaitForButton(install.window, L"Complete", kStepWait)) << install.Status();
  EXPECT_EQ(install.Status(), kind == 1 ? kKind1Done : kKind2Done);
  EXPECT_FALSE(IsShown(FindControlByCaption(install.window, L"Next", L"Button")));
  EXPECT_FALSE(IsShown(FindControlByCaption(install.window, L"Cancel", L"Button")));
  if (kind == 1)
    EXPECT_EQ(CallLines(),
              std::vector<std::string>{"C:\\XTEMPINS\\wdreg16.exe -inf C:\\XTEMPINS\\windrvr6.inf -silent install"});
  else
    EXPECT_EQ(CallLines(),
              (std::vector<std::string>{"C:\\XTEMPINS\\wdreg_gui.exe -inf C:\\XTEMPINS\\windrvr6.inf -silent install",
                                        "C:\\XTEMPINS\\wdreg_gui.exe -inf C:\\XTEMPINS\\ORVA.inf -silent install"}));

  // Both shortcuts, read back.
  for (int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_PROGRAMS}) {
    const Link link = ReadLink(SpecialFolder(csidl) + "\\ORVA.exe.lnk");
    ASSERT_TRUE(link.read) << csidl;
    EXPECT_EQ(link.target, std::string(kProgram) + "ORVA.exe");
    EXPECT_EQ(link.workingDirectory, kProgram);
  }

  // Complete: the handle in temp.txt, then the folder remover takes the folder away.
  const HWND window = install.window;
  ASSERT_TRUE(install.Press(L"Complete"));
  EXPECT_TRUE(install.Gone(kWindowWait));
  EXPECT_NE(WaitForProcessNamed(L"DIRSWEEP.EXE", kWindowWait), 0u) << "the folder remover was not started";
  const std::string handle = ReadWholeFile(std::string(kTemp) + "temp.txt");
  EXPECT_EQ(handle, std::to_string(reinterpret_cast<UINT_PTR>(window)) + "\r\n");
  EXPECT_TRUE(Eventually([] { return !Exists("C:\\XTEMPINS"); }, 60000)) << "the temporary folder stayed";
  EXPECT_TRUE(Exists(std::string(kProgram) + "ORVA.exe"));

  // The measurement program from the start-menu shortcut, in its working
  // directory, finds the handler through ..\EXE\LinkKeeper.exe and shows readings.
  const Link link = ReadLink(SpecialFolder(CSIDL_PROGRAMS) + "\\ORVA.exe.lnk");
  StartedProgram orva = StartedProgram::Open(link.target, "", link.workingDirectory);
  ASSERT_TRUE(orva);
  HWND main = nullptr;
  ASSERT_TRUE(Eventually([&] { return (main = FindStationWindow(orva.ProcessId())) != nullptr; }, kWindowWait));
  const auto control = [&](const char* name) { return FindDescendantById(main, StationControlId(name)); };
  ASSERT_TRUE(Eventually([&] { return RemoteWindowText(control("lblExe")) == L"Exe Run"; }, kWindowWait))
      << "the handler did not come up";
  for (const auto& [name, value] : {std::pair{"txtLimitHigh", L"13.00"}, std::pair{"txtLimitLow", L"12.00"}})
    SendMessageW(control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value));
  PostMessageW(control("cmdStart"), BM_CLICK, 0, 0);
  // Each reading shown in the grid is appended to the run log beside the program.
  std::string runLog;
  EXPECT_TRUE(Eventually([&] { return (runLog = ReadWholeFile(std::string(kProgram) + "temp.txt")).find("\r\n") !=
                                      std::string::npos; },
                         kStepWait))
      << "no readings";
  const std::string first = runLog.substr(0, runLog.find("\r\n"));
  EXPECT_EQ(std::count(first.begin(), first.end(), ','), 3) << first;
  EXPECT_TRUE(first.ends_with(",GOOD") || first.ends_with(",HIGH") || first.ends_with(",LOW")) << first;
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(orva.WaitForEnd(kWindowWait));
}

TEST_F(Installer, WizardStaysResponsiveWhileADriverToolRuns) {
  if (Kind() != 2) GTEST_SKIP() << "the first driver tool runs during the copy step on kind 2";
  StandinHold hold("wdreg_gui.exe");
  const ToolOnScreen install = StartInstaller();
  ASSERT_TRUE(install.window);
  ASSERT_NO_FATAL_FAILURE(ThroughCopyStep(install));
  ASSERT_TRUE(Eventually([] { return StandinCalls().size() == 1; }, kStepWait)) << "the tool was not started";
  // A minute of a driver tool that does not end: the window answers, Next
  // stays hidden, Cancel stays usable.
  for (int second = 0; second < 60; second += 2) {
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutW(install.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result))
        << "not answering after " << second << " s";
    EXPECT_EQ(install.Status(), L"Installing of driver...");
    EXPECT_FALSE(install.Usable(L"Next"));
    EXPECT_TRUE(install.Usable(L"Cancel"));
    Sleep(2000);
  }
  hold.Release();
  EXPECT_TRUE(install.WaitForStatus(kConnectAndSwitchOn)) << install.Status();
  EXPECT_TRUE(WaitForButton(install.window, L"Next", kStepWait));
}

TEST_F(Installer, CancelWhileADriverToolRunsEndsTheWizard) {
  if (Kind() != 2) GTEST_SKIP() << "kind 2 runs a driver tool during the copy step";
  StandinHold hold("wdreg_gui.exe");
  const ToolOnScreen install = StartInstaller();
  ASSERT_TRUE(install.window);
  ASSERT_NO_FATAL_FAILURE(ThroughCopyStep(install));
  ASSERT_TRUE(Eventually([] { return StandinCalls().size() == 1; }, kStepWait));
  ASSERT_TRUE(install.Press(L"Cancel"));
  EXPECT_TRUE(install.Gone(kWindowWait)) << "the window stayed while the tool was held";
  EXPECT_TRUE(WaitForNoProcessNamed(L"INSTALL.EXE", kWindowWait));
  hold.Release();
  Sleep(1000);
  EXPECT_EQ(StandinCalls().size(), 1u) << "nothing more was run";
  EXPECT_FALSE(Exists(SpecialFolder(CSIDL_PROGRAMS) + "\\ORVA.exe.lnk"));
  EXPECT_TRUE(Exists(kTemp));
}

TEST_F(Installer, InstallerFolderWithABlankIsRefused) {
  CreateDirectoryA("C:\\X TEMP", nullptr);
  ASSERT_TRUE(CopyFileA((InstallDisk() + "INSTALL.EXE").c_str(), "C:\\X TEMP\\INSTALL.EXE", FALSE));
  StartedProgram run = StartedProgram::Open("C:\\X TEMP\\INSTALL.EXE");
  ToolOnScreen install;
  install.pid = run.ProcessId();
  install.window = WaitForTopLevelWindow(kCaption, kWindowWait, install.pid);
  ASSERT_TRUE(install.window);
  for (int press = 0; press < 2; ++press) {
    ASSERT_TRUE(WaitForButton(install.window, L"Next", kWindowWait));
    ASSERT_TRUE(install.Press(L"Next"));
    EXPECT_EQ(TakeMessage(install, L"INSTALL"), L"Execute 'Setup.exe' on the install disk.");
    EXPECT_EQ(install.Status(), L"Select folder to install");
    EXPECT_FALSE(IsShown(install.Control(installer::kTxtInstallDir)));
    EXPECT_TRUE(IsShown(FindControlByCaption(install.window, L"Japanese", L"Button"))) << "still at step 0";
  }
}

TEST_F(Installer, EmptiedFolderBoxIsRefusedAndTheDefaultComesBack) {
  const ToolOnScreen install = StartInstaller();
  ASSERT_TRUE(install.window);
  ASSERT_NO_FATAL_FAILURE(ThroughCopyStep(install, ""));
  EXPECT_EQ(TakeMessage(install, L"INSTALL"), L"The name of folder isn't right. ");
  ASSERT_TRUE(WaitForButton(install.window, L"Next", kWindowWait));
  EXPECT_FALSE(Exists("C:\\Program Files\\ORVA"));
  ASSERT_TRUE(install.Press(L"Next"));
  ASSERT_TRUE(Eventually([&] { return install.FolderBox() == L"C:\\Program Files\\ORVA\\"; }, kWindowWait))
      << "the folder step did not put the default back";
  EXPECT_EQ(install.Status(), L"Select folder to install");
}

TEST_F(Installer, RootWithoutTrailingBackslashGetsItsExeFolder) {
  const ToolOnScreen install = StartInstaller();
  ASSERT_TRUE(install.window);
  ASSERT_NO_FATAL_FAILURE(ThroughCopyStep(install, "C:\\Tools\\ORVA"));
  ASSERT_TRUE(install.WaitForStatus(Kind() == 1 ? kSwitchOffPrompt : kConnectAndSwitchOn)) << install.Status();
  EXPECT_TRUE(Exists("C:\\Tools\\ORVA\\EXE\\ORVA.exe"));
  EXPECT_TRUE(Exists("C:\\Tools\\ORVA\\EXE\\meterlink.dll"));
  EXPECT_FALSE(Exists("C:\\Program Files\\ORVA"));
}

TEST_F(Installer, ReinstallWaitsForTheMeasurementProgramThenReplacesTheListedFiles) {
  {
    const ToolOnScreen first = StartInstaller();
    ASSERT_TRUE(first.window);
    ASSERT_NO_FATAL_FAILURE(ThroughFinish(first));
    ASSERT_TRUE(first.Press(L"Complete"));
    ASSERT_TRUE(first.Gone(kWindowWait));
    ASSERT_TRUE(Eventually([] { return !Exists("C:\\XTEMPINS"); }, 60000));
  }
  WriteWholeFile(std::string(kProgram) + "ORVA.ini", "[Limit]\r\nLow=1\r\n");
  WriteWholeFile(std::string(kProgram) + "notes.txt", "operator's notes");
  StartedProgram orva = StartedProgram::Open(std::string(kProgram) + "ORVA.exe", "", kProgram);
  ASSERT_TRUE(Eventually([&] { return FindStationWindow(orva.ProcessId()) != nullptr; }, kWindowWait));

  const ToolOnScreen again = StartInstaller();
  ASSERT_TRUE(again.window);
  ASSERT_NO_FATAL_FAILURE(ThroughCopyStep(again));
  EXPECT_EQ(TakeMessage(again, L"INSTALL"),
            L"The measurement program (ORVA.exe) is running. Close it, then push [Next]key.");
  EXPECT_TRUE(IsShown(again.Control(installer::kTxtInstallDir))) << "still on the folder step";
  EXPECT_EQ(ReadWholeFile(std::string(kProgram) + "ORVA.ini"), "[Limit]\r\nLow=1\r\n") << "nothing copied yet";

  PostMessageW(FindStationWindow(orva.ProcessId()), WM_CLOSE, 0, 0);
  ASSERT_TRUE(orva.WaitForEnd(kWindowWait));
  EndProcessesNamed(L"LinkKeeper.exe");
  ASSERT_TRUE(WaitForButton(again.window, L"Next", kWindowWait));
  ASSERT_TRUE(again.Press(L"Next"));
  ASSERT_TRUE(again.WaitForStatus(Kind() == 1 ? kSwitchOffPrompt : kConnectAndSwitchOn)) << again.Status();
  EXPECT_EQ(ReadWholeFile(std::string(kProgram) + "ORVA.ini"), ReadWholeFile(InstallDisk() + "ORVA.ini"));
  EXPECT_EQ(ReadWholeFile(std::string(kProgram) + "notes.txt"), "operator's notes");
}

TEST_F(Installer, FileErrorEndsTheInstallerWithOneMessageNamingTheFile) {
  CreateDirectoryA("C:\\Program Files\\ORVA", nullptr);
  CreateDirectoryA(kProgram, nullptr);
  WriteWholeFile(std::string(kProgram) + "ORVA.ini", "kept");
  // Locked by another program for the whole copy (a read-only attribute
  // would not stop the copy here: the tests run as root).
  HANDLE lock = CreateFileA((std::string(kProgram) + "ORVA.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const ToolOnScreen install = StartInstaller();
  ASSERT_TRUE(install.window);
  ASSERT_NO_FATAL_FAILURE(ThroughCopyStep(install));
  const std::wstring text = TakeMessage(install, L"INSTALL");
  EXPECT_NE(text.find(L"C:\\Program Files\\ORVA\\EXE\\ORVA.ini"), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"(32)"), std::wstring::npos) << "names the error (a sharing violation): " << text;
  EXPECT_TRUE(WaitForNoProcessNamed(L"INSTALL.EXE", kWindowWait)) << "the installer goes on after a file error";
  EXPECT_EQ(WaitForMessageBox(install.pid, 500).window, nullptr);
  EXPECT_TRUE(Exists(std::string(kProgram) + "ORVA.exe")) << "what was copied before stays";
  EXPECT_FALSE(Exists(std::string(kProgram) + "meterlink.dll")) << "nothing after the failing file";
  CloseHandle(lock);
  EXPECT_EQ(ReadWholeFile(std::string(kProgram) + "ORVA.ini"), "kept");
}

// The file name box of the save dialog: the edit control 0x47C inside its combo box.
BOOL CALLBACK MatchFileNameEdit(HWND w, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (GetDlgCtrlID(w) != 0x47c || std::wstring(cls) != L"Edit") return TRUE;
  *reinterpret_cast<HWND*>(found) = w;
  return FALSE;
}

HWND FileNameEdit(HWND dialog) {
  HWND found = nullptr;
  EnumChildWindows(dialog, &MatchFileNameEdit, reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST_F(Installer, BrowseTakesTheFolderTheUserStoodIn) {
  if (Kind() != 2) GTEST_SKIP() << "one Windows kind is enough for the dialog";
  CreateDirectoryA("C:\\Tools", nullptr);
  const ToolOnScreen install = StartInstaller();
  ASSERT_TRUE(install.window);
  ASSERT_TRUE(install.Press(L"Next"));
  ASSERT_TRUE(WaitForButton(install.window, L"Browse", kWindowWait));
  for (const bool save : {false, true}) {
    ASSERT_TRUE(install.Press(L"Browse"));
    const HWND dialog = WaitForTopLevelWindow(L"Save", kWindowWait, install.pid);
    ASSERT_TRUE(dialog);
    if (save) {
      // Its text crosses to the dialog's process with WM_SETTEXT.
      HWND edit = nullptr;
      ASSERT_TRUE(Eventually([&] { return (edit = FileNameEdit(dialog)) != nullptr; }, kWindowWait));
      EXPECT_EQ(RemoteWindowText(edit), L"ORVA") << "the dialog offers the file name ORVA";
      SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"C:\\Tools\\ORVA"));
      ASSERT_TRUE(PressButton(dialog, L"Save"));
    } else {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    ASSERT_TRUE(Eventually([&] { return !IsWindow(dialog); }, kWindowWait));
    const std::wstring expected = save ? L"C:\\Tools\\" : L"C:\\Program Files\\ORVA\\";
    EXPECT_EQ(WaitForText([&] { return install.FolderBox(); }, expected, kWindowWait), expected) << save;
  }
  EXPECT_FALSE(Exists("C:\\Tools\\ORVA")) << "no file is made";
}

// Pictures of setup and of every wizard step, in the language of the scenario's
// name ("...jp" for Japanese), for a person to look at.
TEST_F(Installer, Screenshots) {
  const bool japanese = ScenarioName().find("jp") != std::string::npos;
  const ToolOnScreen setup = StartSetup();
  ASSERT_TRUE(setup.window);
  if (japanese) {
    ASSERT_TRUE(setup.Press(L"Japanese"));
    ASSERT_TRUE(setup.WaitForStatus(L"インストールを開始します", kWindowWait));
  }
  SaveScreenshot("1-setup", setup.window);
  ASSERT_TRUE(setup.Press(japanese ? L"次へ" : L"Next"));
  const ToolOnScreen install = WaitForTool(L"INSTALL.EXE");
  ASSERT_TRUE(install.window);
  const std::wstring next = japanese ? L"次へ" : L"Next";
  ASSERT_TRUE(WaitForButton(install.window, next, kWindowWait));
  SaveScreenshot("2-first-prompt", install.window);
  ASSERT_TRUE(install.Press(next));
  ASSERT_TRUE(WaitForButton(install.window, japanese ? L"参照" : L"Browse", kWindowWait));
  SaveScreenshot("3-folder", install.window);
  ASSERT_TRUE(install.Press(next));
  ASSERT_TRUE(WaitForButton(install.window, next, kStepWait));
  SaveScreenshot("4-driver-installed", install.window);
  ASSERT_TRUE(install.Press(next));
  ASSERT_TRUE(WaitForButton(install.window, japanese ? L"完了" : L"Complete", kStepWait));
  SaveScreenshot("5-finished", install.window);
}

} // namespace
} // namespace orva::testsupport
