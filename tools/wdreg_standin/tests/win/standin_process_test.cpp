// The stand-ins as real processes, started the way the installer tools start
// the vendor's tools (ShellExecuteEx, hidden): what they log, where, and how
// a test holds one or makes it fail.
#include "tools/wdreg_standin/standin_rules.h"

#include "tools/testsupport/scenario.h"

#include <windows.h>
#include <shellapi.h>

#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace wdreg_standin {
namespace {

std::string BuiltStandin(const char* name) {
  char dir[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, dir); // the program folder build/win/EXE
  return std::string(dir) + "\\..\\standins\\" + name;
}

// A folder of its own with a blank in its name, holding copies of the three
// stand-ins, and the environment variables cleared.
class StandinTest : public testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "standin test " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    for (const char* tool : {"wdreg_gui.exe", "wdreg16.exe", "wdreg.exe"})
      ASSERT_TRUE(CopyFileA(BuiltStandin(tool).c_str(), Path(tool).c_str(), FALSE)) << tool;
    // The INF lies where no blank is in its path: the tools' command line
    // is not quoted, so a blank breaks it (one case shows that).
    inf_ = std::string(temp) + "standin-" + std::to_string(GetCurrentProcessId()) + ".inf";
    orva::testsupport::WriteWholeFile(inf_, "[Version]\r\n");
    SetEnvironmentVariableA("WDREG_STANDIN_LOG", nullptr);
    SetEnvironmentVariableA("WDREG_STANDIN_CONTROL", nullptr);
  }
  void TearDown() override {
    SetEnvironmentVariableA("WDREG_STANDIN_LOG", nullptr);
    SetEnvironmentVariableA("WDREG_STANDIN_CONTROL", nullptr);
    DeleteFileA(inf_.c_str());
    for (const char* name : {"wdreg_gui.exe", "wdreg16.exe", "wdreg.exe", "windrvr6.inf", "standin.log",
                             "standin.ctl", "other.log", "other.ctl", "hold.flag"})
      DeleteFileA(Path(name).c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  std::string Path(const std::string& name) const { return folder_ + "\\" + name; }

  // Starts a tool as the installer does: verb "Open", hidden, process handle kept.
  HANDLE Start(const char* tool, const std::string& parameters) const {
    const std::string file = Path(tool);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "Open";
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_HIDE;
    return ShellExecuteExA(&info) ? info.hProcess : nullptr;
  }

  DWORD RunToEnd(const char* tool, const std::string& parameters) const {
    HANDLE p = Start(tool, parameters);
    if (!p) return 0xDEAD;
    DWORD code = 0xDEAD;
    if (WaitForSingleObject(p, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(p, &code);
    CloseHandle(p);
    return code;
  }

  // Waits until the log has n calls (a held tool logs before it waits).
  bool WaitForCalls(const std::string& log, size_t n) const {
    for (int i = 0; i < 300; ++i) {
      if (ParseLog(orva::testsupport::ReadWholeFile(log)).size() >= n) return true;
      Sleep(50);
    }
    return false;
  }

  std::string folder_;
  std::string inf_;
};

TEST_F(StandinTest, EachToolLogsItsPathAndArgumentsBesideItselfAndEndsByTheRequest) {
  orva::testsupport::WriteWholeFile(Path("windrvr6.inf"), "[Version]\r\n");
  const std::string& inf = inf_;
  const std::string missing = inf_ + ".missing";
  struct Case {
    const char* tool;
    std::string parameters;
    DWORD exitCode;
  } cases[] = {
      {"wdreg_gui.exe", "-inf " + inf + " -silent install", kExitDone},
      {"wdreg16.exe", "-inf " + missing + " -silent install", kExitInfMissing},
      {"wdreg.exe", "-inf " + missing + " -silent uninstall", kExitDone},
      {"wdreg.exe", "-silent install", kExitUsage},
      {"wdreg_gui.exe", "-inf " + Path("windrvr6.inf") + " -silent install", kExitUsage},
  };
  for (const auto& c : cases) EXPECT_EQ(RunToEnd(c.tool, c.parameters), c.exitCode) << c.tool;

  const auto calls = ParseLog(orva::testsupport::ReadWholeFile(Path("standin.log")));
  ASSERT_EQ(calls.size(), std::size(cases));
  for (size_t i = 0; i < calls.size(); ++i) {
    // The system may report the folder in another case; the name is ours.
    EXPECT_EQ(_stricmp(calls[i].tool.c_str(), Path(cases[i].tool).c_str()), 0) << calls[i].tool;
    EXPECT_EQ(calls[i].arguments, cases[i].parameters);
  }
}

TEST_F(StandinTest, VariablesNameTheLogAndTheControlFileAndAnExitCodeCanBeAskedFor) {
  SetEnvironmentVariableA("WDREG_STANDIN_LOG", Path("other.log").c_str());
  SetEnvironmentVariableA("WDREG_STANDIN_CONTROL", Path("other.ctl").c_str());
  orva::testsupport::WriteWholeFile(Path("other.ctl"), "wdreg16.exe: exit = 42\r\n");
  const std::string parameters = "-inf " + inf_ + " -silent install";
  EXPECT_EQ(RunToEnd("wdreg16.exe", parameters), 42u);
  EXPECT_EQ(RunToEnd("wdreg_gui.exe", parameters), kExitDone);
  EXPECT_EQ(ParseLog(orva::testsupport::ReadWholeFile(Path("other.log"))).size(), 2u);
  EXPECT_EQ(GetFileAttributesA(Path("standin.log").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(StandinTest, AHeldToolRunsUntilItsFlagFileIsRemoved) {
  orva::testsupport::WriteWholeFile(Path("hold.flag"), "");
  orva::testsupport::WriteWholeFile(Path("standin.ctl"), "hold = " + Path("hold.flag") + "\r\nexit = 5\r\n");
  HANDLE p = Start("wdreg_gui.exe", "-inf " + inf_ + " -silent install");
  ASSERT_NE(p, nullptr);
  ASSERT_TRUE(WaitForCalls(Path("standin.log"), 1));
  // Logged and now held: still running well after its call was recorded.
  EXPECT_EQ(WaitForSingleObject(p, 1000), static_cast<DWORD>(WAIT_TIMEOUT));
  DeleteFileA(Path("hold.flag").c_str());
  ASSERT_EQ(WaitForSingleObject(p, 30000), static_cast<DWORD>(WAIT_OBJECT_0));
  DWORD code = 0;
  GetExitCodeProcess(p, &code);
  EXPECT_EQ(code, 5u);
  CloseHandle(p);
}

TEST_F(StandinTest, ADelayKeepsTheToolRunning) {
  orva::testsupport::WriteWholeFile(Path("standin.ctl"), "wdreg.exe: delay = 60000\r\n");
  HANDLE p = Start("wdreg.exe", "-inf x.inf -silent uninstall");
  ASSERT_NE(p, nullptr);
  ASSERT_TRUE(WaitForCalls(Path("standin.log"), 1));
  EXPECT_EQ(WaitForSingleObject(p, 1000), static_cast<DWORD>(WAIT_TIMEOUT));
  TerminateProcess(p, 0);
  WaitForSingleObject(p, 5000);
  CloseHandle(p);
}

} // namespace
} // namespace wdreg_standin
