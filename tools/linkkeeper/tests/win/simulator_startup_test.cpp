// The simulator as meterlink.dll finds it: the named objects, its window and
// handle in the block, the liveness probe, and the scenario switches that
// make it hang, hide its window or rename it; where it takes its scenario.
#include "tools/linkkeeper/tests/win/sim_fixture.h"

namespace linkkeeper_test {
namespace {

// Runs before the fixture holds anything, so the simulator must create the
// objects itself.
TEST(LinkKeeperObjects, CreatesTheNamedObjects) {
  HANDLE before = OpenFileMappingA(FILE_MAP_READ, FALSE, devlink::kBlockName);
  if (before != nullptr) {
    CloseHandle(before);
    GTEST_SKIP() << "a block is still held by another process";
  }
  SimulatorProcess sim;
  ASSERT_TRUE(sim.Start("rate = 0\n")) << sim.error();
  HWND window = sim.WaitForWindow();
  ASSERT_NE(window, nullptr);

  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, devlink::kBlockName);
  ASSERT_NE(mapping, nullptr);
  void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  ASSERT_NE(view, nullptr);
  MEMORY_BASIC_INFORMATION info{};
  VirtualQuery(view, &info, sizeof info);
  EXPECT_GE(info.RegionSize, devlink::kBlockSize);
  const auto* block = static_cast<const devlink::CommonBlock*>(view);
  EXPECT_EQ(block->handlerWindow, Handle32(window));
  EXPECT_EQ(block->mainWindow, 0u) << "a new block starts zeroed";
  UnmapViewOfFile(view);
  CloseHandle(mapping);

  HANDLE mutex = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, devlink::kMutexName);
  EXPECT_NE(mutex, nullptr);
  if (mutex != nullptr) {
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0) << "mutex free while idle";
    ReleaseMutex(mutex);
    CloseHandle(mutex);
  }
  HANDLE initial = OpenEventA(SYNCHRONIZE, FALSE, devlink::kInitialEventName);
  EXPECT_NE(initial, nullptr);
  if (initial != nullptr) {
    EXPECT_EQ(WaitForSingleObject(initial, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "not signalled";
    CloseHandle(initial);
  }
}

TEST_F(SimulatorTest, PublishesItsTitledWindowAndAnswersTheProbe) {
  HWND window = Start("rate = 0");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(FindWindowA(nullptr, "WindowNameUsb"), window);
  EXPECT_EQ(block_.HandlerWindow(), window) << "handle at offset 4";
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetParent(window), nullptr);

  EXPECT_TRUE(Deliver(window, WM_NULL));
  EXPECT_TRUE(Deliver(window, WM_NULL));
  EXPECT_EQ(LogCount("WM_NULL"), 2);
  const auto log = Log();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "start pid=" + std::to_string(sim_.pid()) +
                             " window=" + std::to_string(Handle32(window)));
}

TEST_F(SimulatorTest, ReusedBlockKeepsOtherFields) {
  block_.Modify([](devlink::CommonBlock& b) {
    b.mainWindow = 0x1234;
    b.status.alarmNo = 77;
    b.unused[0] = 0x5A;
  });
  HWND window = Start("rate = 0");
  ASSERT_NE(window, nullptr);
  const devlink::CommonBlock b = block_.Read();
  EXPECT_EQ(b.handlerWindow, Handle32(window));
  EXPECT_EQ(b.mainWindow, 0x1234u);
  EXPECT_EQ(b.status.alarmNo, 77);
  EXPECT_EQ(b.unused[0], 0x5A);
}

TEST_F(SimulatorTest, HangOnNullMakesTheProbeFail) {
  HWND window = Start("hang_on_null = 1");
  ASSERT_NE(window, nullptr);
  DWORD_PTR result = 0;
  EXPECT_EQ(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, devlink::kSendTimeoutMs,
                                &result),
            0);
  EXPECT_TRUE(sim_.IsRunning());
  EXPECT_EQ(LogCount("WM_NULL"), 1);
}

TEST_F(SimulatorTest, NoWindowReachesTheLoopWithoutAnyTopLevelWindow) {
  ASSERT_TRUE(sim_.Start("no_window = 1\nlog = " + logPath_ + "\n")) << sim_.error();
  EXPECT_EQ(WaitForInputIdle(sim_.process(), 5000), 0u);
  ASSERT_TRUE(WaitForLog("start pid=" + std::to_string(sim_.pid()) + " window=0"));
  PumpMessagesFor(300);
  EXPECT_TRUE(sim_.IsRunning());
  EXPECT_EQ(FindTopLevelWindowOf(sim_.pid()), nullptr);
  EXPECT_EQ(FindWindowA(nullptr, "WindowNameUsb"), nullptr);
}

TEST_F(SimulatorTest, OtherWindowTitle) {
  HWND window = Start("window_title = NotTheHandler", "NotTheHandler");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(FindWindowA(nullptr, "WindowNameUsb"), nullptr);
  EXPECT_EQ(block_.HandlerWindow(), window);
}

TEST_F(SimulatorTest, ScenarioProblemsAreLogged) {
  ASSERT_NE(Start("rate = fast\nmystery = 1"), nullptr);
  ASSERT_TRUE(WaitForLog("scenario line 1: rate: bad number"));
  EXPECT_EQ(LogCount("scenario line 2: unknown key 'mystery' ignored"), 1);
}

// LINKKEEPER_SCENARIO beats --scenario; an unreadable one falls through.
TEST_F(SimulatorTest, EnvironmentScenarioTakesPrecedence) {
  const std::string argFile = MakeTempFile("lka");
  ASSERT_TRUE(WriteTextFile(argFile, "window_title = FromArgument\nrate = 0\n"));
  struct Case {
    bool envReadable;
    const char* expectedTitle;
  } cases[] = {{true, "FromEnvironment"}, {false, "FromArgument"}};
  for (const auto& c : cases) {
    ScenarioEnv env("window_title = FromEnvironment\nrate = 0\n");
    if (!c.envReadable) SetEnvironmentVariableA("LINKKEEPER_SCENARIO", "C:\\no\\such\\file.scn");
    std::string line = "\"";
    line += SimulatorPath() + "\" --scenario \"" + argFile + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &pi));
    HWND found = nullptr;
    for (int i = 0; i < 500 && found == nullptr; ++i) {
      PumpMessagesFor(20);
      found = FindWindowA(nullptr, c.expectedTitle);
    }
    EXPECT_NE(found, nullptr) << c.expectedTitle;
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  DeleteFileA(argFile.c_str());
}

} // namespace
} // namespace linkkeeper_test
