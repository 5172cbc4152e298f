// The folder remover started as the installer starts it, in a scenario
// prefix, from a laid-out program folder: no temporary folder, a folder
// setup did not create, a folder naming a window that lives on, and the
// failures that end it with one message.
#include "tools/testsupport/desktop.h"
#include "tools/testsupport/installation.h"
#include "tools/testsupport/scenario.h"
#include "tools/testsupport/test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace orva::testsupport {
namespace {

constexpr char kTemp[] = "C:\\XTEMPINS";
constexpr DWORD kEnd = 60000;
const std::string kFolder = kProgramFolder;

std::string HandleText(HWND window) {
  return std::to_string(static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(window)));
}

class FolderRemover : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(InScenario());
    std::string error;
    ASSERT_TRUE(LayOutInstallation(InstallDisk(), kFolder, error)) << error;
    RemoveTree(kTemp);
  }
  void TearDown() override {
    EndProcessesNamed(L"DIRSWEEP.EXE");
    RemoveTree(kTemp);
  }
  // A temporary folder as setup leaves it, with or without its marker.
  void MakeTempFolder(bool marker, const std::string& handleLine) {
    CreateDirectoryA(kTemp, nullptr);
    if (marker) WriteWholeFile(std::string(kTemp) + "\\DIR.TXT", "");
    if (!handleLine.empty()) WriteWholeFile(std::string(kTemp) + "\\temp.txt", handleLine);
    WriteWholeFile(std::string(kTemp) + "\\INSTALL.EXE", "copied from the disk");
  }
  StartedProgram Start(const std::string& folder = kFolder) {
    return StartedProgram::Open(folder + "DIRSWEEP.EXE");
  }
  void ExpectEndsQuietly(StartedProgram& sweep) {
    EXPECT_FALSE(WaitForMessageBox(sweep.ProcessId(), 7000)) << "no message";
    DWORD code = 99;
    ASSERT_TRUE(sweep.WaitForEnd(kEnd, &code));
    EXPECT_EQ(code, 0u);
  }
  void ExpectOneMessageNaming(StartedProgram& sweep, const wchar_t* part) {
    const MessageBoxSeen box = WaitForMessageBox(sweep.ProcessId(), kEnd);
    ASSERT_TRUE(box);
    EXPECT_EQ(box.title, L"DIRSWEEP");
    EXPECT_NE(box.text.find(part), std::wstring::npos) << box.text.c_str();
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
    ASSERT_TRUE(DismissMessageBox(box));
    EXPECT_TRUE(sweep.WaitForEnd(kEnd));
  }
};

TEST_F(FolderRemover, WithoutATemporaryFolderEndsWithoutError) {
  StartedProgram sweep = Start();
  ASSERT_TRUE(sweep);
  EXPECT_NE(WaitForTopLevelWindow(L"ORVA Setup", 20000, sweep.ProcessId()), nullptr);
  ExpectEndsQuietly(sweep);
  EXPECT_FALSE(PathExists(kTemp));
}

TEST_F(FolderRemover, AFolderWithoutTheMarkerStays) {
  MakeTempFolder(false, "0\r\n");
  StartedProgram sweep = Start();
  ASSERT_TRUE(sweep);
  ExpectEndsQuietly(sweep);
  EXPECT_TRUE(PathExists(std::string(kTemp) + "\\INSTALL.EXE"));
  EXPECT_TRUE(PathExists(std::string(kTemp) + "\\temp.txt"));
}

TEST_F(FolderRemover, AFolderNamingALiveWindowStaysWhileItLivesAndGoesAfter) {
  HWND installer = CreateWindowExA(0, "STATIC", "installer stand-in", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
  ASSERT_NE(installer, nullptr);
  std::string line = " ";
  line += HandleText(installer);
  line += " \r\n"; // blanks around the number, as the installer may write it
  MakeTempFolder(true, line);
  StartedProgram sweep = Start();
  ASSERT_TRUE(sweep);
  // Two checks and their pauses have passed: the window lives, all stays.
  Sleep(7000);
  EXPECT_TRUE(sweep.Running());
  EXPECT_TRUE(PathExists(std::string(kTemp) + "\\INSTALL.EXE"));
  DestroyWindow(installer);
  ExpectEndsQuietly(sweep);
  EXPECT_FALSE(PathExists(kTemp));
}

TEST_F(FolderRemover, AHandleThatIsNoNumberEndsWithOneMessage) {
  MakeTempFolder(true, "abc\r\n");
  StartedProgram sweep = Start();
  ASSERT_TRUE(sweep);
  ExpectOneMessageNaming(sweep, L"temp.txt");
  EXPECT_TRUE(PathExists(std::string(kTemp) + "\\INSTALL.EXE"));
}

TEST_F(FolderRemover, ALibraryThatCannotBeLoadedEndsWithOneMessage) {
  const std::string bare = "C:\\bare\\";
  CreateDirectoryA("C:\\bare", nullptr);
  CopyFileA((kFolder + "DIRSWEEP.EXE").c_str(), (bare + "DIRSWEEP.EXE").c_str(), FALSE);
  MakeTempFolder(true, "1234\r\n");
  StartedProgram sweep = Start(bare);
  ASSERT_TRUE(sweep);
  ExpectOneMessageNaming(sweep, L"METERLINK.DLL");
  EXPECT_TRUE(PathExists(std::string(kTemp) + "\\INSTALL.EXE"));
}

TEST_F(FolderRemover, AFileInUseStaysTheRestGoes) {
  MakeTempFolder(true, "");
  WriteWholeFile(std::string(kTemp) + "\\ORVA.exe", "x");
  const std::string busy = std::string(kTemp) + "\\INSTALL.EXE";
  HANDLE open = CreateFileA(busy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  StartedProgram sweep = Start();
  ASSERT_TRUE(sweep);
  ExpectOneMessageNaming(sweep, L"INSTALL.EXE");
  CloseHandle(open);
  EXPECT_TRUE(PathExists(busy));
  EXPECT_FALSE(PathExists(std::string(kTemp) + "\\ORVA.exe"));
  EXPECT_FALSE(PathExists(std::string(kTemp) + "\\DIR.TXT"));
}

} // namespace
} // namespace orva::testsupport
