// USBStart against real simulator processes: a fresh block and a launched
// handler, a running handler reused, a hung one replaced, and the launch
// failures (no program file, no window).
#include <cstring>

#include "tools/testsupport/sim_process.h"
#include "devlink/tests/win_link_fixture.h"

namespace devlink::test {
namespace {

namespace ts = orva::testsupport;

using StartTest = LinkTest;

bool AllZero(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

TEST_F(StartTest, FreshBlockIsZeroedHandlerLaunchedAndAnnouncedBeforeReturn) {
  const LoggedScenario scenario = WithLog("rate = 0");
  ts::ScenarioEnv env(scenario.text);
  // Start from a folder beside the program folder: "..\EXE\LinkKeeper.exe"
  // must resolve against the current folder, not the library's.
  TempTree& tree = NewTree();
  tree.MakeFolder("EXE");
  tree.MakeFolder("OTHER");
  ASSERT_TRUE(tree.CopyInto(ExeFolder() + "\\LinkKeeper.exe", "EXE"));
  ASSERT_TRUE(tree.CopyInto(ExeFolder() + "\\wirecore.dll", "EXE"));
  ASSERT_TRUE(tree.CopyInto(ExeFolder() + "\\wirecore.dll", "OTHER"));
  ASSERT_TRUE(tree.CopyInto(ExeFolder() + "\\meterlink.dll", "OTHER"));
  LoadLibraryIn(tree.Path("OTHER"));

  const LinkParams params = ParamsFor(mainWindow->hwnd(), 0);
  LinkStatus status;
  std::memset(&status, 0xCC, sizeof status);
  ASSERT_EQ(0, link.USBStart(&params, &status));
  // Handled on this thread inside the call: no pumping needed.
  EXPECT_EQ(1, mainWindow->Count(kNotifyHandlerRunning));

  const std::string log = scenario.Log();
  EXPECT_EQ(1, CountLines(log, "start pid="));
  const DWORD pid = LoggedPid(log);
  EXPECT_EQ(tree.Path("EXE") + "\\LinkKeeper.exe", ProcessImagePath(pid));
  EXPECT_EQ(std::vector<DWORD>{pid}, SimulatorPids());

  EXPECT_EQ(0, status.alarmNo);
  EXPECT_EQ(0, status.subCode);
  EXPECT_TRUE(AllZero(status.errorText1, sizeof status.errorText1 + sizeof status.errorText2));
  EXPECT_STREQ("01.00-1", status.versionText);

  ts::SharedBlockAccess access;
  ASSERT_TRUE(access.Open());
  EXPECT_FALSE(access.createdNew());
  const CommonBlock block = access.Read();
  EXPECT_EQ(params.mainWindow, block.mainWindow);
  EXPECT_EQ(0u, block.languageFlag);
  EXPECT_EQ(0, std::memcmp(&params, &block.paramCopy, sizeof params));
  EXPECT_EQ(0, std::memcmp(&status, &block.status, sizeof status));
  DWORD owner = 0;
  GetWindowThreadProcessId(reinterpret_cast<HWND>(block.handlerWindow), &owner);
  EXPECT_EQ(pid, owner) << "handler did not publish its window";
  EXPECT_TRUE(AllZero(&block.receive, sizeof block.receive));
  EXPECT_TRUE(AllZero(block.unused, sizeof block.unused));
}

TEST_F(StartTest, RunningHandlerIsProbedAndReused) {
  const LoggedScenario scenario = WithLog("rate = 0");
  ts::ScenarioEnv env(scenario.text);
  LoadLibraryIn(ExeFolder());
  const LinkParams params = ParamsFor(mainWindow->hwnd());
  LinkStatus status;
  ASSERT_EQ(0, link.USBStart(&params, &status));
  const std::vector<DWORD> first = SimulatorPids();
  ASSERT_EQ(1u, first.size());

  // As a restarted measurement program: a fresh load of the library finds
  // the handler through the block the handler keeps alive.
  link.Unload();
  LoadLibraryIn(ExeFolder());
  ASSERT_EQ(0, link.USBStart(&params, &status));

  EXPECT_EQ(first, SimulatorPids()) << "a second handler was started";
  const std::string log = scenario.Log();
  EXPECT_EQ(1, CountLines(log, "start pid="));
  EXPECT_EQ(1, CountLines(log, "WM_NULL"));
  EXPECT_EQ(2, mainWindow->Count(kNotifyHandlerRunning));
  // The reused handler takes commands.
  EXPECT_EQ(0, link.DeviceStart(&params, &status));
  EXPECT_EQ(1, CountLines(scenario.Log(), "USBMsgInit"));
}

TEST_F(StartTest, HungHandlerIsClosedTerminatedAndReplaced) {
  const LoggedScenario hung = WithLog("rate = 0\nhang_on_null = 1");
  const LoggedScenario healthy = WithLog("rate = 0");
  LoadLibraryIn(ExeFolder());
  const LinkParams params = ParamsFor(mainWindow->hwnd());
  LinkStatus status;
  {
    ts::ScenarioEnv env(hung.text);
    ASSERT_EQ(0, link.USBStart(&params, &status));
  }
  const DWORD hungPid = LoggedPid(hung.Log());
  HANDLE hungProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, hungPid);
  ASSERT_NE(nullptr, hungProcess);

  ts::ScenarioEnv env(healthy.text);
  link.Unload();
  LoadLibraryIn(ExeFolder());
  ASSERT_EQ(0, link.USBStart(&params, &status));

  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hungProcess, 0));
  DWORD exitCode = 99;
  GetExitCodeProcess(hungProcess, &exitCode);
  EXPECT_EQ(0u, exitCode) << "not terminated with exit code 0";
  CloseHandle(hungProcess);
  EXPECT_EQ(1, CountLines(hung.Log(), "WM_NULL"));

  const DWORD newPid = LoggedPid(healthy.Log());
  EXPECT_NE(0u, newPid) << "no replacement launched";
  EXPECT_EQ(std::vector<DWORD>{newPid}, SimulatorPids());
  EXPECT_EQ(2, mainWindow->Count(kNotifyHandlerRunning));
  EXPECT_EQ(0, link.DeviceStart(&params, &status)) << "replacement takes no commands";
}

TEST_F(StartTest, MissingHandlerProgramFailsWithStatusCopied) {
  // A program folder without ..\EXE\LinkKeeper.exe, and a block left behind
  // by an earlier run with an error report in it.
  TempTree& tree = NewTree();
  ts::SharedBlockAccess access;
  ASSERT_TRUE(access.Open());
  access.Modify([](CommonBlock& b) {
    b.status.alarmNo = 7;
    b.status.subCode = -3;
    std::strcpy(b.status.errorText1, "left behind");
  });
  LoadWithoutHandler(tree);

  const LinkParams params = ParamsFor(mainWindow->hwnd());
  LinkStatus status;
  EXPECT_EQ(-1, link.USBStart(&params, &status));
  EXPECT_EQ(0, mainWindow->Count(kNotifyHandlerRunning));
  EXPECT_TRUE(SimulatorPids().empty());
  EXPECT_EQ(7, status.alarmNo);
  EXPECT_EQ(-3, status.subCode);
  EXPECT_STREQ("left behind", status.errorText1);
  EXPECT_STREQ("00.00-0", status.versionText) << "no wirecore.dll beside this program";
  // The parameters were written before the launch failed.
  EXPECT_EQ(params.mainWindow, access.Read().paramCopy.mainWindow);
}

TEST_F(StartTest, WindowlessHandlerFailsAndIsLeftRunning) {
  const LoggedScenario scenario = WithLog("rate = 0\nno_window = 1");
  ts::ScenarioEnv env(scenario.text);
  LoadLibraryIn(ExeFolder());
  const LinkParams params = ParamsFor(mainWindow->hwnd());
  LinkStatus status;
  EXPECT_EQ(-1, link.USBStart(&params, &status));
  EXPECT_EQ(0, mainWindow->Count(kNotifyHandlerRunning));

  const DWORD pid = LoggedPid(scenario.Log());
  ASSERT_NE(0u, pid);
  EXPECT_EQ(std::vector<DWORD>{pid}, SimulatorPids()) << "windowless handler not left running";
  EXPECT_EQ(-1, link.DeviceStart(&params, &status));
  EXPECT_EQ(-1, link.DeviceStop());
}

} // namespace
} // namespace devlink::test
