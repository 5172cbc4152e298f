// The whole life of an installation, as a person goes through it on a fresh
// Windows XP prefix: setup from the install disk, the wizard, Complete, the
// folder remover clearing the temporary folder once the installer has gone,
// a measurement from the start-menu shortcut, the uninstaller, and drive C
// afterwards holding exactly what an installation leaves behind.
#include "tools/testsupport/desktop.h"
#include "tools/testsupport/installation.h"
#include "tools/testsupport/scenario.h"
#include "tools/testsupport/station_window.h"

#include "installer/common/win/tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>
#include <windows.h>
#include <shlobj.h>

namespace orva::testsupport {
namespace {

constexpr DWORD kShow = 30000;
constexpr DWORD kRun = 120000;
const std::string kFolder = kProgramFolder;

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// Every file and folder below C:\ (folders end with a backslash), without
// the temporary folders (any program may leave files there) and the stand-in
// tools' log and control file, which belong to the test.
void Walk(const std::string& folder, const std::set<std::string>& skip, std::set<std::string>& out) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    const bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    const std::string path = folder + name + (isFolder ? "\\" : "");
    if (skip.count(Lower(path))) continue;
    // Links to folders outside the prefix (the user's folders point into the
    // Unix home under Wine) are listed but not entered.
    if (isFolder && !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) Walk(path, skip, out);
    out.insert(path);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
}

std::set<std::string> DriveC() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::set<std::string> skip = {Lower(temp), Lower(WindowsFolder() + "\\temp\\"), "c:\\standin.log",
                                      "c:\\standin.ctl"};
  std::set<std::string> all;
  Walk("C:\\", skip, all);
  return all;
}

std::wstring StatusLine(HWND window) { return RemoteWindowText(FindControlById(window, installer::kLblDisp)); }

void Type(HWND station, const char* control, const wchar_t* text) {
  HWND edit = FindDescendantById(station, StationControlId(control));
  ASSERT_NE(edit, nullptr) << control;
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void Click(HWND station, const char* control) {
  HWND button = FindDescendantById(station, StationControlId(control));
  ASSERT_NE(button, nullptr) << control;
  PostMessageW(button, BM_CLICK, 0, 0);
}

TEST(RoundTrip, SetupInstallMeasureUninstallLeavesOnlyWhatStaysBehind) {
  ASSERT_TRUE(InScenario());
  ClearStandinLog();
  SetStandinControl("");
  const std::set<std::string> before = DriveC();
  ASSERT_TRUE(before.count(WindowsFolder() + "\\system32\\")) << "the listing reaches into the folders";

  // Setup from the disk, in English.
  StartedProgram setup = StartedProgram::Open(InstallDisk() + "SETUP.EXE");
  ASSERT_TRUE(setup);
  HWND setupWindow = WaitForTopLevelWindow(L"ORVA Setup", kShow, setup.ProcessId());
  ASSERT_NE(setupWindow, nullptr);
  ASSERT_TRUE(PressButton(setupWindow, L"Next"));
  ASSERT_TRUE(setup.WaitForEnd(kRun));

  // The wizard, from the temporary folder.
  const DWORD installer = WaitForProcessNamed(L"INSTALL.EXE", kShow);
  ASSERT_NE(installer, 0u);
  HWND wizard = WaitForTopLevelWindow(L"ORVA Setup", kShow, installer);
  ASSERT_NE(wizard, nullptr);
  ASSERT_TRUE(PathExists("C:\\XTEMPINS\\DIR.TXT"));
  for (int step = 0; step < 3; ++step) {
    ASSERT_TRUE(WaitForButton(wizard, L"Next", kRun)) << "step " << step << ": " << StatusLine(wizard).c_str();
    ASSERT_TRUE(PressButton(wizard, L"Next")) << step;
  }
  ASSERT_TRUE(WaitForButton(wizard, L"Complete", kRun)) << StatusLine(wizard).c_str();
  ASSERT_TRUE(PathExists(kFolder + "ORVA.exe"));
  ASSERT_TRUE(PressButton(wizard, L"Complete"));

  // The installer leaves its window handle and goes; the folder stays until
  // the folder remover has seen the window gone and waited its pause.
  ASSERT_TRUE(WaitForNoProcessNamed(L"INSTALL.EXE", kShow));
  EXPECT_FALSE(IsWindow(wizard));
  const std::string handle = ReadWholeFile("C:\\XTEMPINS\\temp.txt");
  EXPECT_EQ(std::stoul(handle), static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(wizard))) << handle;
  EXPECT_TRUE(PathExists("C:\\XTEMPINS\\INSTALL.EXE"));
  ASSERT_TRUE(WaitForNoProcessNamed(L"DIRSWEEP.EXE", kRun));
  EXPECT_FALSE(PathExists("C:\\XTEMPINS"));

  // A measurement from the start-menu shortcut, with the meter simulator.
  const std::string link = ShortcutPaths()[0];
  ASSERT_TRUE(PathExists(link));
  std::string target, workingDirectory;
  ASSERT_TRUE(ReadShortcut(link, target, workingDirectory));
  EXPECT_EQ(target, kFolder + "ORVA.exe");
  EXPECT_EQ(workingDirectory, kFolder);
  StartedProgram station = StartedProgram::Open(target, {}, workingDirectory);
  ASSERT_TRUE(station);
  HWND main = WaitForTopLevelWindow(kStationCaption, kShow);
  ASSERT_NE(main, nullptr);
  Type(main, "txtLimitHigh", L"13.5");
  Type(main, "txtLimitLow", L"11.5");
  Click(main, "cmdStart");
  const DWORD start = GetTickCount();
  while (ReadWholeFile(kFolder + "temp.txt").find("\r\n") == std::string::npos && GetTickCount() - start < kRun)
    Sleep(100);
  const std::string runLog = ReadWholeFile(kFolder + "temp.txt");
  EXPECT_NE(runLog.find("\r\n"), std::string::npos) << "readings reach the run log beside the program";
  Click(main, "cmdEnd");
  Sleep(500);
  PostMessageW(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitForNoProcessNamed(L"ORVA.exe", kShow));
  ASSERT_TRUE(WaitForNoProcessNamed(L"LinkKeeper.exe", kShow));

  // Uninstall from the program folder.
  StartedProgram uninstall = StartedProgram::Open(kFolder + "UNINSTALL.EXE");
  ASSERT_TRUE(uninstall);
  HWND window = WaitForTopLevelWindow(L"ORVA Uninstall", kShow, uninstall.ProcessId());
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(PressButton(window, L"Next"));
  ASSERT_TRUE(WaitForButton(window, L"Complete", kRun)) << StatusLine(window).c_str();
  ASSERT_TRUE(PressButton(window, L"Complete"));
  ASSERT_TRUE(uninstall.WaitForEnd(kShow));

  // What stays: the program folder with the uninstaller and what the
  // measurement program wrote beside itself (the run log, the run's record,
  // the spool), and the measured run kept in the run archive in the shared
  // documents (or still in the spool, when the station ended before its
  // delivery); nothing else changed.
  const std::set<std::string> after = DriveC();
  std::vector<std::string> added, removed;
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
  std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(removed));
  char shared[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, SHGFP_TYPE_CURRENT, shared);
  const std::string archive = std::string(shared) + "\\ORVA Runs\\", spool = kFolder + "Spool\\";
  std::vector<std::string> keptRuns;
  std::erase_if(added, [&](const std::string& path) {
    const bool run = path.back() != '\\' && (path.rfind(archive, 0) == 0 || path.rfind(spool, 0) == 0);
    if (run) keptRuns.push_back(path);
    return run;
  });
  EXPECT_EQ(keptRuns.size(), 1u) << "the measured run is kept once";
  std::vector<std::string> expected = {"C:\\Program Files\\ORVA\\", kFolder, kFolder + "UNINSTALL.EXE",
                                       kFolder + "temp.txt", kFolder + "ORVArun.ini", spool, archive};
  if (!before.count("C:\\Program Files\\")) expected.push_back("C:\\Program Files\\");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(added, expected);
  EXPECT_EQ(removed, std::vector<std::string>{});
}

} // namespace
} // namespace orva::testsupport
