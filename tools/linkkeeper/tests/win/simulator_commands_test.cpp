// The simulator's answers to the library's commands, seen from a stand-in
// main window: device start (or its failure), readings complete in the block
// when announced, bursts without loss, error reports, device stop, handler
// end, close — and commands arriving in the middle of a burst.
#include "tools/linkkeeper/reading_generator.h"
#include "tools/linkkeeper/tests/win/sim_fixture.h"

namespace linkkeeper_test {
namespace {

using devlink::kMsgUSBMsgDeviceEnd;
using devlink::kMsgUSBMsgEnd;
using devlink::kMsgUSBMsgInit;
using devlink::kNotifyDeviceStartError;
using devlink::kNotifyDeviceStarted;
using devlink::kNotifyDeviceStopped;
using devlink::kNotifyErrorReport;
using devlink::kNotifyHandlerEnded;
using devlink::kNotifyReading;

class SimulatorCommands : public SimulatorTest {
 protected:
  // Starts the simulator, stores the recorder as main window (as DeviceStart
  // does) and sends USBMsgInit.
  HWND StartDevice(const std::string& scenario) {
    HWND window = Start(scenario);
    if (window == nullptr) return nullptr;
    block_.SetMainWindow(main_.hwnd(), 1);
    EXPECT_TRUE(Deliver(window, kMsgUSBMsgInit));
    return window;
  }

  std::vector<UINT> Messages() const {
    std::vector<UINT> out;
    for (const auto& n : main_.notices()) out.push_back(n.message);
    return out;
  }

  NotifyRecorder main_{&block_};
};

TEST_F(SimulatorCommands, InitStartsTheDeviceAndScriptedReadingsFollowComplete) {
  HWND window = StartDevice("rate = 0\nreading = 12.50 85.00\nreading = _1.25 abc__\n");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyReading, 2));
  EXPECT_EQ(Messages(), (std::vector<UINT>{kNotifyDeviceStarted, kNotifyReading, kNotifyReading}));
  const auto& n = main_.notices();
  EXPECT_TRUE(n[1].sent) << "readings are sent, not posted, by default";
  EXPECT_EQ(EntryText(n[1].block, 0), "12.50");
  EXPECT_EQ(EntryText(n[1].block, 5), "85.00");
  EXPECT_EQ(EntryText(n[2].block, 0), " 1.25");
  EXPECT_EQ(EntryText(n[2].block, 5), "abc  ");
  EXPECT_EQ(n[2].block.receive.header1, 2u);
  EXPECT_EQ(LogCount("USBMsgInit main=" + std::to_string(Handle32(main_.hwnd())) +
                     " lang=1 p3=129 p4=2000000000"),
            1);
  EXPECT_EQ(LogCount("notify 0x466"), 1);
  EXPECT_EQ(LogCount("notify 0x46B"), 2);
}

// Every burst reading is in the block when its message arrives, none is
// lost or repeated: they match the generator's sequence one for one.
TEST_F(SimulatorCommands, BurstDeliversEveryReadingInOrder) {
  const std::string scenario = "rate = 0\nburst = 150\nseed = 11\nscatter = 0.05\noutlier_every = 4\n";
  ASSERT_NE(StartDevice(scenario), nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyReading, 150, 60000));
  linkkeeper::ReadingGenerator expected(linkkeeper::ParseScenario(scenario).scenario);
  int index = 0;
  for (const auto& n : main_.notices()) {
    if (n.message != kNotifyReading) continue;
    const linkkeeper::ReadingText r = expected.Next();
    ASSERT_EQ(EntryText(n.block, 0), std::string(r.tension.begin(), r.tension.end())) << index;
    ASSERT_EQ(EntryText(n.block, 5), std::string(r.frequency.begin(), r.frequency.end())) << index;
    ASSERT_EQ(n.block.receive.header1, static_cast<std::uint32_t>(index + 1));
    ++index;
  }
  EXPECT_EQ(index, 150);
  PumpMessagesFor(200);
  EXPECT_EQ(main_.Count(kNotifyReading), 150) << "rate 0: nothing after the burst";
}

TEST_F(SimulatorCommands, TimerReadingsFlowAtTheRate) {
  ASSERT_NE(StartDevice("rate = 20\n"), nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyReading, 5));
  for (const auto& n : main_.notices()) {
    if (n.message != kNotifyReading) continue;
    for (std::size_t i = 0; i < 10; ++i) {
      const char c = static_cast<char>(n.block.receive.entry0[i]);
      EXPECT_TRUE((c >= '0' && c <= '9') || c == '.') << "byte " << i;
    }
  }
}

TEST_F(SimulatorCommands, PostModePostsTheNotifications) {
  ASSERT_NE(StartDevice("rate = 0\nnotify = post\nreading = 01.00 02.00\n"), nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyReading, 1));
  for (const auto& n : main_.notices()) EXPECT_FALSE(n.sent);
}

TEST_F(SimulatorCommands, FailedDeviceStartAnswers467AndSendsNoReadings) {
  ASSERT_NE(StartDevice("rate = 50\nreading = 01.00 02.00\nfail_device_start = 1\n"), nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyDeviceStartError, 1));
  PumpMessagesFor(400);
  EXPECT_EQ(Messages(), (std::vector<UINT>{kNotifyDeviceStartError}));
  EXPECT_EQ(LogCount("notify 0x467"), 1);
}

TEST_F(SimulatorCommands, ErrorAfterReportsFullTextsAndStopsTheDevice) {
  const std::string longText(127, 'L');
  HWND window = StartDevice("rate = 0\nburst = 4\nerror_after = 2\nerror_alarm = 12\n"
                            "error_subcode = -4\nerror_text1 = " + longText +
                            "\nerror_text2 = second text\n");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyErrorReport, 1));
  PumpMessagesFor(300);
  EXPECT_EQ(Messages(), (std::vector<UINT>{kNotifyDeviceStarted, kNotifyReading, kNotifyReading,
                                           kNotifyErrorReport}));
  const devlink::LinkStatus& s = main_.notices().back().block.status;
  EXPECT_EQ(s.alarmNo, 12);
  EXPECT_EQ(s.subCode, -4);
  EXPECT_EQ(std::string(s.errorText1, 127), longText);
  EXPECT_EQ(s.errorText1[127], '\0');
  EXPECT_STREQ(s.errorText2, "second text");
  EXPECT_EQ(LogCount("notify 0x46A"), 1);

  // A new USBMsgInit starts a new run: readings again.
  main_.Clear();
  EXPECT_TRUE(Deliver(window, kMsgUSBMsgInit));
  EXPECT_TRUE(main_.WaitFor(kNotifyErrorReport, 1));
  EXPECT_EQ(main_.Count(kNotifyReading), 2);
}

TEST_F(SimulatorCommands, ScriptedErrorFollowsTheScriptedReadings) {
  ASSERT_NE(StartDevice("rate = 0\nerror = 31 7 Belt broken | Replace it\nreading = 01.00 02.00\n"),
            nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyErrorReport, 1));
  EXPECT_EQ(Messages(), (std::vector<UINT>{kNotifyDeviceStarted, kNotifyReading, kNotifyErrorReport}));
  const devlink::LinkStatus& s = main_.notices().back().block.status;
  EXPECT_EQ(s.alarmNo, 31);
  EXPECT_EQ(s.subCode, 7);
  EXPECT_STREQ(s.errorText1, "Belt broken");
  EXPECT_STREQ(s.errorText2, "Replace it");
  // The reading written before stays in the block.
  EXPECT_EQ(EntryText(main_.notices().back().block, 0), "01.00");
}

TEST_F(SimulatorCommands, DeviceEndAnswers469AndStopsReadings) {
  HWND window = StartDevice("rate = 25\n");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyReading, 3));
  ASSERT_TRUE(Deliver(window, kMsgUSBMsgDeviceEnd));
  ASSERT_TRUE(main_.WaitFor(kNotifyDeviceStopped, 1));
  const int readings = main_.Count(kNotifyReading);
  PumpMessagesFor(400);
  EXPECT_EQ(main_.Count(kNotifyReading), readings);
  EXPECT_TRUE(Deliver(window, WM_NULL)) << "still answering";
  EXPECT_EQ(LogCount("USBMsgDeviceEnd"), 1);
  EXPECT_EQ(LogCount("notify 0x469"), 1);
}

// The library's command arrives while the simulator waits on a reading of
// its burst: it is handled at once and the burst ends there.
TEST_F(SimulatorCommands, DeviceEndInTheMiddleOfABurst) {
  HWND window = StartDevice("rate = 0\nburst = 1000\n");
  ASSERT_NE(window, nullptr);
  bool sentStop = false;
  main_.onNotice = [&](const RecordedNotice& n) {
    if (n.message == kNotifyReading && !sentStop && main_.Count(kNotifyReading) == 10) {
      sentStop = true;
      EXPECT_TRUE(Deliver(window, kMsgUSBMsgDeviceEnd));
    }
  };
  ASSERT_TRUE(main_.WaitFor(kNotifyDeviceStopped, 1, 20000));
  PumpMessagesFor(400);
  EXPECT_EQ(main_.Count(kNotifyReading), 10);
}

TEST_F(SimulatorCommands, TimedReadingsThenErrorAfter) {
  // The error falls due on a reading from the timer, not from a burst.
  HWND window = StartDevice("rate = 50\nerror_after = 3\nerror_text1 = lost\n");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyErrorReport, 1));
  EXPECT_EQ(main_.Count(kNotifyReading), 3);
  EXPECT_STREQ(main_.notices().back().block.status.errorText1, "lost");
}

TEST_F(SimulatorCommands, UsbMsgEndBeforeAnyDeviceRunStillAnswers468) {
  // USBStart has put the main window in the block; no USBMsgInit came yet.
  HWND window = Start("rate = 0\n");
  ASSERT_NE(window, nullptr);
  block_.SetMainWindow(main_.hwnd(), 1);
  ASSERT_TRUE(Deliver(window, kMsgUSBMsgEnd));
  ASSERT_TRUE(main_.WaitFor(kNotifyHandlerEnded, 1));
  EXPECT_TRUE(sim_.WaitForExit(5000));
}

TEST_F(SimulatorCommands, UsbMsgEndAnswers468AndEnds) {
  HWND window = StartDevice("rate = 10\n");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(main_.WaitFor(kNotifyDeviceStarted, 1));
  ASSERT_TRUE(Deliver(window, kMsgUSBMsgEnd));
  EXPECT_EQ(main_.notices().back().message, kNotifyHandlerEnded);
  DWORD code = 99;
  ASSERT_TRUE(sim_.WaitForExit(5000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(IsWindow(window));
  const auto log = Log();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
            (std::vector<std::string>{"USBMsgEnd", "notify 0x468", "exit"}));
}

TEST_F(SimulatorCommands, CloseEndsItWithOrWithoutDelay) {
  struct Case {
    int delayMs;
  } cases[] = {{0}, {1500}};
  for (const auto& c : cases) {
    SimulatorProcess& sim = sim_;
    sim.Kill();
    HWND window = Start("rate = 0\nexit_delay_ms = " + std::to_string(c.delayMs) + "\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Deliver(window, WM_CLOSE));
    if (c.delayMs > 0) {
      EXPECT_FALSE(sim.WaitForExit(500)) << "ends only after the delay";
      EXPECT_TRUE(Deliver(window, WM_NULL)) << "and answers meanwhile";
    }
    DWORD code = 99;
    ASSERT_TRUE(sim.WaitForExit(5000, &code)) << c.delayMs;
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(LogCount("WM_CLOSE"), 1);
    EXPECT_EQ(Log().back(), "exit");
    EXPECT_EQ(main_.Count(kNotifyHandlerEnded), 0) << "WM_CLOSE is not USBMsgEnd";
    DeleteFileA(logPath_.c_str());
  }
}

TEST_F(SimulatorCommands, GoneMainWindowIsLoggedAndDoesNotStopTheSimulator) {
  HWND window = Start("rate = 0\nreading = 01.00 02.00\n");
  ASSERT_NE(window, nullptr);
  block_.SetMainWindow(nullptr, 0);
  ASSERT_TRUE(Deliver(window, kMsgUSBMsgInit));
  ASSERT_TRUE(WaitForLog("undelivered 0x46B"));
  EXPECT_EQ(LogCount("undelivered 0x466"), 1);
  EXPECT_TRUE(Deliver(window, WM_NULL));
}

} // namespace
} // namespace linkkeeper_test
