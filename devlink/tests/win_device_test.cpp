// The device commands and data fetches through a running simulator, the
// exports before USBStart and after the handler has gone, and ExeActive.
#include <cstring>
#include <string>
#include <vector>

#include "tools/testsupport/sim_process.h"
#include "devlink/tests/win_link_fixture.h"

namespace devlink::test {
namespace {

namespace ts = orva::testsupport;

using DeviceTest = LinkTest;

std::string ReadingTexts(const LinkReceive& receive) {
  const auto* entry = reinterpret_cast<const char*>(receive.entry0);
  return std::string(entry + kTensionOffset, kReadingTextLength) + "|" +
         std::string(entry + kFrequencyOffset, kReadingTextLength);
}

// A 128-byte text buffer with a guard after it, prefilled with 0xCC.
struct GuardedText {
  char text[kErrorTextSize];
  char guard[32];
  GuardedText() { std::memset(this, 0xCC, sizeof *this); }
  bool GuardIntact() const {
    for (char g : guard) {
      if (static_cast<unsigned char>(g) != 0xCC) return false;
    }
    return true;
  }
};

TEST_F(DeviceTest, DeviceStartReadingsAndStop) {
  const LoggedScenario scenario =
      WithLog("rate = 0\nreading = 12.34 56.78\nreading = _9.87 101.5\n");
  ts::ScenarioEnv env(scenario.text);
  LoadLibraryIn(ExeFolder());
  std::vector<std::string> fetched;
  mainWindow->onNotice = [&](const ts::RecordedNotice& notice) {
    if (notice.message != kNotifyReading) return;
    LinkReceive receive;
    fetched.push_back(link.USBReceiveRead(&receive, 0) == 0 ? ReadingTexts(receive) : "failed");
  };
  const LinkParams params = ParamsFor(mainWindow->hwnd(), 1);
  LinkStatus status;
  ASSERT_EQ(0, link.USBStart(&params, &status));

  ASSERT_EQ(0, link.DeviceStart(&params, &status));
  EXPECT_TRUE(mainWindow->WaitFor(kNotifyDeviceStarted));
  EXPECT_TRUE(mainWindow->WaitFor(kNotifyReading, 2));
  EXPECT_EQ((std::vector<std::string>{"12.34|56.78", " 9.87|101.5"}), fetched);
  const std::string log = scenario.Log();
  ASSERT_EQ(1, CountLines(log, "USBMsgInit"));
  EXPECT_NE(std::string::npos, log.find("lang=1 p3=129 p4=2000000000")) << log;

  EXPECT_EQ(0, link.DeviceStop());
  EXPECT_TRUE(mainWindow->WaitFor(kNotifyDeviceStopped));
  EXPECT_EQ(1, CountLines(scenario.Log(), "USBMsgDeviceEnd"));
}

TEST_F(DeviceTest, ErrorTextsAreCopiedWholeAndAlwaysTerminated) {
  const std::string longText = "E" + std::string(125, 'x') + "Z"; // 127 characters
  const LoggedScenario scenario = WithLog("rate = 0\nerror = 5 2 " + longText + " | second text\n");
  ts::ScenarioEnv env(scenario.text);
  LoadLibraryIn(ExeFolder());
  const LinkParams params = ParamsFor(mainWindow->hwnd());
  LinkStatus status;
  ASSERT_EQ(0, link.USBStart(&params, &status));

  GuardedText text1;
  GuardedText text2;
  ASSERT_EQ(0, link.DeviceErrorRead(&status, text1.text, text2.text));
  EXPECT_EQ('\0', text1.text[0]) << "no error yet: empty text";
  EXPECT_EQ('\0', text2.text[0]);

  ASSERT_EQ(0, link.DeviceStart(&params, &status));
  ASSERT_TRUE(mainWindow->WaitFor(kNotifyErrorReport));
  GuardedText full1;
  GuardedText full2;
  ASSERT_EQ(0, link.DeviceErrorRead(&status, full1.text, full2.text));
  EXPECT_EQ(longText, std::string(full1.text));
  EXPECT_EQ("second text", std::string(full2.text));
  EXPECT_EQ(5, status.alarmNo);
  EXPECT_EQ(2, status.subCode);
  EXPECT_EQ(0, std::memcmp(status.errorText1, full1.text, kErrorTextSize));
  EXPECT_TRUE(full1.GuardIntact() && full2.GuardIntact());

  // A handler that leaves no NUL in the field: the copy is cut, terminated,
  // and stays within the caller's 128 bytes.
  ts::SharedBlockAccess access;
  ASSERT_TRUE(access.Open());
  access.Modify([](CommonBlock& b) { std::memset(b.status.errorText1, 'y', kErrorTextSize); });
  GuardedText cut1;
  GuardedText cut2;
  ASSERT_EQ(0, link.DeviceErrorRead(&status, cut1.text, cut2.text));
  EXPECT_EQ(std::string(kErrorTextSize - 1, 'y'), std::string(cut1.text));
  EXPECT_TRUE(cut1.GuardIntact());
}

TEST_F(DeviceTest, CommandsAfterTheHandlerHasEnded) {
  const LoggedScenario scenario = WithLog("rate = 0");
  ts::ScenarioEnv env(scenario.text);
  LoadLibraryIn(ExeFolder());
  const LinkParams params = ParamsFor(mainWindow->hwnd());
  LinkStatus status;
  ASSERT_EQ(0, link.USBStart(&params, &status));
  ASSERT_EQ(0, link.DeviceStart(&params, &status));
  ASSERT_EQ(0, link.DeviceStop());

  EXPECT_EQ(0, link.USBStop());
  EXPECT_TRUE(mainWindow->WaitFor(kNotifyHandlerEnded));
  for (int i = 0; i < 250 && !SimulatorPids().empty(); ++i) ts::PumpMessagesFor(20);
  ASSERT_TRUE(SimulatorPids().empty()) << "handler did not end on USBMsgEnd";
  EXPECT_EQ(1, CountLines(scenario.Log(), "USBMsgEnd"));

  EXPECT_EQ(-1, link.DeviceStart(&params, &status));
  EXPECT_EQ(-1, link.DeviceStop());
  EXPECT_EQ(0, link.USBStop());
  // Reading the block still works: the library holds it.
  EXPECT_EQ(0, link.USBStatusRead(&status));
}

TEST_F(DeviceTest, ExportsBeforeUSBStart) {
  LoadLibraryIn(ExeFolder());
  const LinkParams params = ParamsFor(mainWindow->hwnd());
  LinkStatus status;
  LinkReceive receive;
  char text1[kErrorTextSize];
  char text2[kErrorTextSize];
  EXPECT_EQ(-1, link.USBStatusRead(&status));
  EXPECT_EQ(-1, link.USBReceiveRead(&receive, 0));
  EXPECT_EQ(-1, link.DeviceErrorRead(&status, text1, text2));
  EXPECT_EQ(-1, link.DeviceStart(&params, &status));
  EXPECT_EQ(-1, link.DeviceStop());
  EXPECT_EQ(0, link.USBStop());
  EXPECT_FALSE(BlockExists());
  EXPECT_TRUE(SimulatorPids().empty());
}

TEST_F(DeviceTest, LoadingWritesAttachNoticeToDebugOutput) {
  // Listen the way a debug-output viewer does when no debugger is attached.
  HANDLE bufferReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
  HANDLE dataReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
  HANDLE buffer = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                     "DBWIN_BUFFER");
  ASSERT_TRUE(bufferReady && dataReady && buffer);
  const auto* view = static_cast<const char*>(MapViewOfFile(buffer, FILE_MAP_READ, 0, 0, 4096));
  ASSERT_NE(nullptr, view);
  SetEvent(bufferReady);
  LoadLibraryIn(ExeFolder());
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(dataReady, 5000));
  DWORD pid = 0;
  std::memcpy(&pid, view, sizeof pid);
  EXPECT_EQ(GetCurrentProcessId(), pid);
  EXPECT_STREQ("DLL_PROCESS_ATTACH\n", view + sizeof pid);
  UnmapViewOfFile(view);
  CloseHandle(buffer);
  CloseHandle(dataReady);
  CloseHandle(bufferReady);
}

TEST_F(DeviceTest, ExeActiveTellsWhetherAWindowExists) {
  LoadLibraryIn(ExeFolder());
  auto value = [](HWND w) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(w)); };
  HWND gone = CreateWindowExA(0, "STATIC", "gone", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(nullptr, gone);
  EXPECT_EQ(1, link.ExeActive(value(gone)));
  DestroyWindow(gone);
  EXPECT_EQ(0, link.ExeActive(value(gone)));
  EXPECT_EQ(0, link.ExeActive(0));
  EXPECT_EQ(1, link.ExeActive(value(mainWindow->hwnd())));
  EXPECT_EQ(1, link.ExeActive(value(GetDesktopWindow())));
}

} // namespace
} // namespace devlink::test
