// The measurement run against a recording screen, device and run log: the
// run-flags table, the run states, START's refusals, readings in the grid and
// the run log (also after STOP), the unit change and error reports.
#include "station/run_flow.h"
#include "station/tests/run_fakes.h"

#include "devlink/link_block.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <array>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orva {
namespace {

using test::MemoryRunLog;
using test::RecordingDevice;
using test::RecordingView;

std::array<unsigned char, devlink::kEntrySize> Entry(const char* tension, const char* frequency) {
  std::array<unsigned char, devlink::kEntrySize> entry{};
  std::memcpy(entry.data() + devlink::kTensionOffset, tension, devlink::kReadingTextLength);
  std::memcpy(entry.data() + devlink::kFrequencyOffset, frequency, devlink::kReadingTextLength);
  return entry;
}

constexpr char kKeepAll[] = "false";

class RunFlowTest : public ::testing::Test {
protected:
  RunFlowTest() {
    view.log = &log;
    device.log = &log;
  }

  // The window's start-up, up to a handler that announced itself.
  void Load(const std::string& high = "20", const std::string& low = "10", int mode = 0) {
    flow.BeginLoad();
    flow.LoadLimits(high, low, mode);
    flow.ShowStartScreen();
    flow.LinkMessage(devlink::kNotifyHandlerRunning); // inside USBStart
    flow.AfterLinkStart();
  }
  void Reading(const char* tension, const char* frequency = "85.00") {
    const auto entry = Entry(tension, frequency);
    flow.ReadingArrived(entry.data());
  }
  // START accepted and answered by the device.
  void StartRun() {
    flow.StartClicked();
    flow.LinkMessage(devlink::kNotifyDeviceStarted);
  }
  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = file.bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(file.bytes.substr(start, end - start));
    return lines;
  }

  std::string language = "english";
  std::string saveType = kKeepAll;
  std::vector<std::string> log;
  RecordingView view;
  RecordingDevice device;
  MemoryRunLog file;
  RunFlow flow{view, device, file, {language, saveType}};
};

// ---- the run-flags table ---------------------------------------------------------

struct Flags {
  Long exeStarted, driverRunning, errorPending;
  std::int16_t measureState;
};
Flags FlagsOf(const RunState& s) { return {s.ExeStarted, s.DriverRunning, s.ErrorPending, s.MeasureState}; }

constexpr int kKeep = 99;
struct FlagRow {
  const char* event;
  int exeStarted, driverRunning, errorPending, measureState; // kKeep: unchanged
};
// One row per event of the run: what the event sets; the rest stays.
constexpr FlagRow kFlagTable[] = {
    {"0x465 handler running", kTrue, kKeep, kKeep, kKeep},
    {"0x466 device started", kKeep, kTrue, kKeep, kKeep},
    {"0x467 device start error", kKeep, kFalse, kTrue, 0},
    {"0x468 handler ended", kKeep, kFalse, kKeep, 0},
    {"0x469 device stopped", kKeep, kFalse, kKeep, 0},
    {"0x46A error report", kKeep, kFalse, kTrue, 0},
    {"STOP", kKeep, kKeep, kKeep, 1},
    {"shutdown", kKeep, kFalse, kKeep, kKeep},
};

void Fire(RunFlow& flow, const std::string& event) {
  if (event == "STOP") return flow.StopClicked();
  if (event == "shutdown") return void(flow.StopDeviceForShutdown());
  if (event == "0x46A error report") return flow.ErrorReported({5, 2, "lost", ""});
  flow.LinkMessage(static_cast<std::uint32_t>(std::stoul(event.substr(2, 3), nullptr, 16)));
}

TEST_F(RunFlowTest, EveryEventMovesTheFlagsAsTabled) {
  // Two starting points with every flag at the other value, so "unchanged"
  // is seen for both values.
  const struct {
    const char* name;
    std::vector<std::string> events;
  } primings[] = {{"device running, stopped", {"0x466 device started", "STOP"}},
                  {"handler up, start error, stopped", {"0x465 handler running", "0x467 device start error", "STOP"}}};
  for (const FlagRow& row : kFlagTable) {
    for (const auto& priming : primings) {
      SCOPED_TRACE(std::string(row.event) + " after " + priming.name);
      std::string lang = "english", save = kKeepAll;
      RecordingView v;
      RecordingDevice d;
      std::vector<std::string> l;
      v.log = d.log = &l;
      MemoryRunLog f;
      RunFlow fresh(v, d, f, {lang, save});
      for (const auto& event : priming.events) Fire(fresh, event);
      const Flags before = FlagsOf(fresh.State());
      Fire(fresh, row.event);
      const Flags after = FlagsOf(fresh.State());
      EXPECT_EQ(after.exeStarted, row.exeStarted == kKeep ? before.exeStarted : row.exeStarted);
      EXPECT_EQ(after.driverRunning, row.driverRunning == kKeep ? before.driverRunning : row.driverRunning);
      EXPECT_EQ(after.errorPending, row.errorPending == kKeep ? before.errorPending : row.errorPending);
      EXPECT_EQ(after.measureState, row.measureState == kKeep ? before.measureState : row.measureState);
    }
  }
}

TEST_F(RunFlowTest, StartUpLeavesNoDeviceAndNoErrorBehindItsWait) {
  flow.BeginLoad();
  flow.LoadLimits("20", "10", 0);
  flow.ShowStartScreen();
  // A handler left from an earlier session reports during the start-up's wait.
  flow.LinkMessage(devlink::kNotifyDeviceStartError);
  flow.LinkMessage(devlink::kNotifyHandlerRunning);
  flow.AfterLinkStart();
  const Flags flags = FlagsOf(flow.State());
  EXPECT_EQ(flags.exeStarted, kTrue);
  EXPECT_EQ(flags.driverRunning, kFalse);
  EXPECT_EQ(flags.errorPending, kFalse);
  EXPECT_EQ(flags.measureState, 0);
}

TEST_F(RunFlowTest, AcceptedStartClearsAPendingErrorOnlyWithoutARunningDevice) {
  Load();
  flow.LinkMessage(devlink::kNotifyDeviceStartError);
  flow.StopClicked();
  flow.StartClicked();
  EXPECT_EQ(flow.State().ErrorPending, kFalse);
  EXPECT_EQ(flow.State().MeasureState, 0);

  // 0x466 then an error report leaves ErrorPending; a device started again
  // (0x466) and START from the stopped state leave it as it is.
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  flow.ErrorReported({1, 1, "", ""});
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  flow.StopClicked();
  flow.StartClicked();
  EXPECT_EQ(flow.State().ErrorPending, kTrue);
  EXPECT_EQ(flow.State().MeasureState, 0);
}

TEST_F(RunFlowTest, LinkMessagesSayWhatHappenedInTheDiagnosePanel) {
  const struct {
    std::uint32_t message;
    DiagnoseWords words;
  } cases[] = {
      {devlink::kNotifyHandlerRunning, {"Start of USB EXE was completed", "Exe Run", "Driver Stop"}},
      {devlink::kNotifyDeviceStarted, {"Start of USB driver was completed", "Exe Run", "Driver Run"}},
      {devlink::kNotifyDeviceStopped, {"Stop of USB driver was completed", "Exe Run", "Driver Stop"}},
      {devlink::kNotifyDeviceStarted, {"Start of USB driver was completed", "Exe Run", "Driver Run"}},
      {devlink::kNotifyDeviceStartError, {"Starting error of USB driver", "Exe Run", "Driver Stop"}},
      {devlink::kNotifyHandlerEnded, {"USB EXE was unloaded", "Exe Stop", "Driver Stop"}},
  };
  flow.ShowStartScreen();
  EXPECT_EQ(view.words, (DiagnoseWords{"", "Exe Stop", "Driver Stop"}));
  for (const auto& c : cases) {
    flow.LinkMessage(c.message);
    EXPECT_EQ(view.words, c.words) << std::hex << c.message;
  }
  Reading("15.00");
  EXPECT_EQ(view.words.diag, "Receive data from USB");
  flow.ErrorReported({});
  EXPECT_EQ(view.words.diag, "Receive error code");

  language = "japanese";
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  EXPECT_EQ(view.words.diag, "USB ドライバ起動完了");
  EXPECT_EQ(view.controls.indicator, "測定中");
}

// ---- run states ------------------------------------------------------------------

TEST_F(RunFlowTest, RunStatesShowTheirControls) {
  const RunControls idle{true, true, true, ""};
  const RunControls starting{false, false, false, ""};
  const RunControls measuring{false, true, false, "Measure Mode"};
  const RunControls stopped{true, true, true, ""};
  const RunControls startFailed{true, false, true, ""};
  const RunControls errorReported{true, true, true, ""};

  Load();
  EXPECT_EQ(view.controls, idle);
  flow.StartClicked();
  EXPECT_EQ(view.controls, starting);
  EXPECT_EQ(log, std::vector<std::string>{"DeviceStart"});
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  EXPECT_EQ(view.controls, measuring);
  // Device stopped or handler ended: the screen stays as it was.
  for (std::uint32_t message : {devlink::kNotifyDeviceStopped, devlink::kNotifyHandlerEnded}) {
    flow.LinkMessage(message);
    EXPECT_EQ(view.controls, measuring);
  }
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  flow.StopClicked();
  EXPECT_EQ(view.controls, stopped);
  EXPECT_EQ(flow.State().DriverRunning, kTrue);
  EXPECT_EQ(flow.State().MeasureState, 1);

  flow.LinkMessage(devlink::kNotifyDeviceStopped);
  flow.StartClicked();
  flow.LinkMessage(devlink::kNotifyDeviceStartError);
  EXPECT_EQ(view.controls, startFailed);

  flow.StartClicked();
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  flow.ErrorReported({5, 2, "lost", ""});
  EXPECT_EQ(view.controls, errorReported);
  EXPECT_EQ(view.screen, Screen::Alarm);
}

TEST_F(RunFlowTest, EndingTheRunDisplayLeavesStopAsItWas) {
  Load();
  flow.StartClicked(); // STOP disabled while starting
  flow.SetMeasuring(false);
  EXPECT_EQ(view.controls, (RunControls{true, false, true, ""}));
  flow.SetMeasuring(true);
  EXPECT_EQ(view.controls, (RunControls{false, true, false, "Measure Mode"}));
}

// ---- START ----------------------------------------------------------------------

TEST_F(RunFlowTest, StartRefusesInOrderAndResetsNothing) {
  const struct {
    const char* high;
    const char* low;
    const char* message; // nullptr: accepted
    const char* lowAfter;
  } cases[] = {
      {"10", "5", nullptr, "5"},
      {"5", "10", "Set bigger value in high limit than low limit.", "10"},
      {"10", "10", "Set bigger value in high limit than low limit.", "10"},
      {"0", "-5", "Input value is not numerical value.", "-5"}, // 0 is a number, yet refused
      {"", "5", "Input value is not numerical value.", "5"},
      {"10", "abc", "Input value is not numerical value.", "abc"},
      {"abc", "abc", "Input value is not numerical value.", "abc"},
      {"10", "0.0", nullptr, "0"},
      {"-1", "0.0", "Set bigger value in high limit than low limit.", "0"},
  };
  Load();
  StartRun();
  Reading("15.00");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.high) + " / " + c.low);
    view.told.clear();
    log.clear();
    flow.StopClicked();
    flow.LinkMessage(devlink::kNotifyDeviceStopped); // START then goes to the device
    flow.LimitsEdited(c.high, c.low);
    view.low = c.low;
    flow.StartClicked();
    EXPECT_EQ(view.low, c.lowAfter);
    EXPECT_EQ(flow.LowLimit(), c.lowAfter);
    if (c.message) {
      ASSERT_EQ(view.told.size(), 1u);
      EXPECT_EQ(view.told[0], (OperatorMessage{c.message, "Allowance", MessageButtons::CancelTryContinue}));
      EXPECT_TRUE(log.empty());
      EXPECT_EQ(flow.State().ReadingNo, 1);
      EXPECT_EQ(LogLines().size(), 1u);
      EXPECT_TRUE(view.controls.startEnabled);
    } else {
      EXPECT_TRUE(view.told.empty());
      EXPECT_EQ(log, std::vector<std::string>{"DeviceStart"});
      flow.LinkMessage(devlink::kNotifyDeviceStarted);
      Reading("15.00");
    }
  }
}

TEST_F(RunFlowTest, StartWithoutHandlerSaysSoFirstEveryTime) {
  flow.BeginLoad();
  flow.LoadLimits("", "", 0); // bad limits: the handler message still comes first
  flow.ShowStartScreen();
  flow.AfterLinkStart();
  for (int i = 0; i < 2; ++i) flow.StartClicked();
  ASSERT_EQ(view.told.size(), 2u);
  EXPECT_EQ(view.told[1], (OperatorMessage{"Driver(LinkKeeper) was not executed.", "ORVA", MessageButtons::Ok}));
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(view.controls, (RunControls{true, true, true, ""}));
}

TEST_F(RunFlowTest, StartAfterStopRestartsTheRunWithoutTheLibrary) {
  Load();
  StartRun();
  Reading("15.00");
  Reading("16.00");
  flow.StopClicked();
  Reading("17.00");
  view.screen = Screen::Alarm;
  log.clear();
  flow.StartClicked();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(view.controls.indicator, "Measure Mode");
  EXPECT_EQ(flow.State().MeasureState, 0);
  EXPECT_EQ(file.bytes, "");
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(view.screen, Screen::Measure);
  Reading("18.00");
  EXPECT_EQ(view.rows[0].number, "No.  1");
  EXPECT_EQ(view.topRow, 0);
  EXPECT_EQ(LogLines(), std::vector<std::string>{" 1,18.00,85.00,GOOD"});
}

TEST_F(RunFlowTest, StartAfterAnErrorStopsTheDeviceWaitsASecondThenStartsIt) {
  for (bool report : {true, false}) {
    SCOPED_TRACE(report ? "error report" : "start error");
    Load();
    StartRun();
    if (report)
      flow.ErrorReported({5, 2, "lost", ""});
    else
      flow.LinkMessage(devlink::kNotifyDeviceStartError);
    log.clear();
    flow.StartClicked();
    EXPECT_EQ(log, (std::vector<std::string>{"DeviceStop", "wait 1.0", "DeviceStart"}));
    EXPECT_EQ(flow.State().ErrorPending, kFalse);
    flow.LinkMessage(devlink::kNotifyDeviceStarted);
  }
  // Closed during the wait: no run for a gone window.
  flow.ErrorReported({});
  view.windowStays = false;
  log.clear();
  flow.StartClicked();
  EXPECT_EQ(log, (std::vector<std::string>{"DeviceStop", "wait 1.0"}));
}

// ---- the unit of the limits -----------------------------------------------------------

TEST_F(RunFlowTest, UnitChangeClearsTheLimitsAfterTheStartUpsOwnClick) {
  for (int mode : {0, 1}) {
    RecordingView v;
    std::vector<std::string> l;
    v.log = &l;
    RunFlow f(v, device, file, {language, saveType});
    f.BeginLoad();
    f.LoadLimits("20", "10", mode);
    // The start-up's switch was the first click: the stored limits stay.
    EXPECT_EQ(f.State().FirstFlg, 0);
    EXPECT_EQ(f.State().LimitUnitMode, mode);
    EXPECT_EQ(v.high, "20");
    EXPECT_EQ(v.low, "10");
    EXPECT_EQ(v.option, mode);
    EXPECT_EQ(v.unit, mode == 0 ? "N" : "Hz");

    f.LimitOptionClicked(mode); // already on: no change of unit
    EXPECT_EQ(f.HighLimit(), "20");

    f.LimitOptionClicked(1 - mode);
    EXPECT_EQ(v.high, "");
    EXPECT_EQ(v.low, "");
    EXPECT_EQ(f.HighLimit(), "");
    EXPECT_EQ(f.State().LimitUnitMode, 1 - mode);
    EXPECT_EQ(v.option, 1 - mode);
    EXPECT_EQ(v.unit, mode == 0 ? "Hz" : "N");
  }
}

// ---- readings --------------------------------------------------------------------------

TEST_F(RunFlowTest, ReadingsAreJudgedAgainstTheLimitsTheyWereGiven) {
  const struct {
    const char* name;
    const char* high;
    const char* low;
    int option;
    const char* tension;
    const char* frequency;
    const char* judgement;
    std::uint32_t colour;
  } cases[] = {
      {"equal to high", "20", "10", 0, "20.00", "85.00", "GOOD", 0xFF0000},
      {"above high", "20", "10", 0, "20.01", "85.00", "HIGH", 0x0000FF},
      {"below low", "20", "10", 0, "09.99", "85.00", "LOW", 0xFF00FF},
      {"crossed limits: low wins", "10", "20", 0, "15.00", "85.00", "LOW", 0xFF00FF},
      {"Hz not numeric", "90", "80", 1, "12.50", "abcde", "", 0xFF00FF},
      {"Hz judged", "90", "80", 1, "99.99", "85.00", "GOOD", 0xFF0000},
      {"limits not numeric", "x", "", 0, "99.99", "85.00", "GOOD", 0xFF0000},
  };
  Load();
  StartRun();
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    flow.LimitOptionClicked(c.option);
    flow.LimitsEdited(c.high, c.low);
    Reading(c.tension, c.frequency);
    const int row = n++;
    const GridRowTexts& texts = view.rows[row];
    EXPECT_EQ(texts.number, "No.  " + std::to_string(n));
    EXPECT_EQ(texts.tension, std::string(c.tension) + " N");
    EXPECT_EQ(texts.frequency, std::string(c.frequency) + " Hz");
    EXPECT_EQ(texts.judgement, c.judgement);
    EXPECT_EQ(view.currentRow, row);
    EXPECT_EQ(view.colours[row], c.colour);
  }
  const auto lines = LogLines();
  ASSERT_EQ(lines.size(), std::size(cases));
  EXPECT_EQ(lines[1], " 2,20.01,85.00,HIGH");
  EXPECT_EQ(lines[4], " 5,12.50,abcde,");
}

TEST_F(RunFlowTest, OnlyGoodReadingsAreLoggedUnlessNeglectHighLowIsFalse) {
  for (const char* type : {"true", "", "False", "false"}) {
    SCOPED_TRACE(type);
    saveType = type;
    Load();
    StartRun();
    Reading("25.00");
    Reading("15.00");
    Reading("ab.cd");
    EXPECT_EQ(view.rows[0].judgement, "HIGH");
    EXPECT_EQ(view.colours[0], 0x0000FFu);
    EXPECT_EQ(LogLines(), saveType == "false"
                              ? (std::vector<std::string>{" 1,25.00,85.00,HIGH", " 2,15.00,85.00,GOOD", " 3,ab.cd,85.00,"})
                              : std::vector<std::string>{" 2,15.00,85.00,GOOD"});
  }
}

TEST_F(RunFlowTest, AfterStopReadingsAreCountedRecolouredScrolledAndLogged) {
  view.visibleRows = 2;
  Load();
  StartRun();
  Reading("15.00");
  Reading("15.50");
  flow.StopClicked();
  EXPECT_EQ(flow.State().MeasureState, 1);
  EXPECT_EQ(view.controls.indicator, "");
  Reading("25.00");
  EXPECT_EQ(view.colours[1], 0x0000FFu); // the current cell takes the latest judgement
  Reading("16.00");
  EXPECT_EQ(flow.State().ReadingNo, 4);
  EXPECT_EQ(view.rows.size(), 2u);
  EXPECT_EQ(view.rows[1].tension, "15.50 N");
  EXPECT_EQ(view.currentRow, 1);
  EXPECT_EQ(view.colours[1], 0xFF0000u);
  EXPECT_EQ(view.topRow, 2); // rows 3 and 4 went past the two visible rows
  EXPECT_EQ(LogLines().back(), " 4,16.00,85.00,GOOD");
  EXPECT_EQ(LogLines().size(), 4u);
}

TEST_F(RunFlowTest, TheGridWrapsAfter2048ReadingsAndScrollsBackToTheTop) {
  Load();
  StartRun();
  for (int i = 1; i <= 2048; ++i) Reading("15.00");
  EXPECT_EQ(view.rows[2047].number, "No.  2048");
  EXPECT_EQ(view.topRow, 2048 - view.visibleRows);
  Reading("25.00");
  EXPECT_EQ(flow.State().GridRow, 1);
  EXPECT_EQ(flow.State().ReadingNo, 2049);
  EXPECT_EQ(view.topRow, 0);
  EXPECT_EQ(view.rows[0].number, "No.  2049");
  EXPECT_EQ(view.rows[0].judgement, "HIGH");
  EXPECT_EQ(view.rows[1].number, "No.  2");
}

// ---- error reports, screens, alarm ---------------------------------------------------------

TEST_F(RunFlowTest, AnErrorReportReachesTheAlarmScreen) {
  Load();
  StartRun();
  flow.ErrorReported({5, 2, "Sensor signal lost", ""});
  EXPECT_EQ(view.alarmText, "Alarm No. 5\r\n\r\nSub Code: 2\r\n\r\nSensor signal lost\r\n");
  EXPECT_EQ(view.screen, Screen::Alarm);
  EXPECT_EQ(view.screenName, "ALARM screen");
  EXPECT_EQ(view.words.driver, "Driver Stop");

  flow.ScreenClicked(2); // no such screen: nothing changes
  EXPECT_EQ(view.screen, Screen::Alarm);
  flow.ScreenClicked(0);
  EXPECT_EQ(view.screen, Screen::Measure);
  EXPECT_EQ(view.screenName, "MEASURE screen");
  flow.ResetClicked();
  EXPECT_EQ(view.alarmText, "");

  // The device starting again clears the alarm text as well.
  flow.ErrorReported({5, 2, "again", ""});
  flow.StartClicked();
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  EXPECT_EQ(view.alarmText, "");
}

// ---- the run log -------------------------------------------------------------------------

TEST_F(RunFlowTest, ARunLogThatCannotBeWrittenIsToldOncePerRunAndLosesNothing) {
  Load();
  StartRun();
  Reading("15.00");
  file.writable = false;
  Reading("16.00");
  Reading("17.00");
  ASSERT_EQ(view.toldLater.size(), 1u);
  EXPECT_EQ(view.toldLater[0].buttons, MessageButtons::OkWarning);
  EXPECT_EQ(view.toldLater[0].title, "ORVA");
  EXPECT_NE(view.toldLater[0].text.find("cannot be written"), std::string::npos);
  EXPECT_TRUE(view.told.empty());
  file.writable = true;
  EXPECT_TRUE(flow.BringRunLogUpToDate());
  EXPECT_EQ(LogLines().size(), 3u);

  // Blocked across START: the old run stays until the file can be emptied;
  // the new run's lines then go in alone, and the new run is told again.
  file.writable = false;
  flow.StopClicked();
  flow.StartClicked();
  Reading("18.00");
  EXPECT_EQ(view.toldLater.size(), 2u);
  file.writable = true;
  Reading("19.00");
  EXPECT_EQ(LogLines(), (std::vector<std::string>{" 1,18.00,85.00,GOOD", " 2,19.00,85.00,GOOD"}));
}

// ---- who follows the run ------------------------------------------------------------------

class RecordingWatcher : public RunWatcher {
public:
  std::vector<std::string> events;
  void RunStarted() override { events.push_back("start"); }
  void ReadingTaken(std::int32_t no, const ReadingTexts& texts, Judgement judgement) override {
    events.push_back(std::to_string(no) + " " + texts.tension + " " + JudgementText(judgement));
  }
  void AllowanceChanged(const Allowance& a) override {
    events.push_back("limits " + a.highText + "/" + a.lowText + " unit " + std::to_string(a.limitUnitMode));
  }
};

TEST_F(RunFlowTest, TheWatcherFollowsEveryReadingEachStartAndEachChangeOfTheLimits) {
  RecordingWatcher watcher;
  flow.SetWatcher(&watcher);
  Load("20", "10", 0);
  StartRun();
  Reading("25.00");
  flow.StopClicked();
  Reading("15.00"); // after STOP still followed
  flow.LimitsEdited("30", "10");
  flow.LimitsEdited("30", "10"); // the box echoing it: no change
  flow.LimitOptionClicked(1);
  flow.StartClicked(); // refused: the unit change emptied the limits
  flow.LimitsEdited("90", "80");
  flow.StartClicked();
  Reading("12.00", "85.00");
  EXPECT_EQ(watcher.events, (std::vector<std::string>{
                                "limits 20/10 unit 0", "start", "1 25.00 HIGH", "2 15.00 GOOD",
                                "limits 30/10 unit 0", "limits / unit 0", "limits / unit 1", "limits 90/80 unit 1",
                                "start", "1 12.00 GOOD"}));
}

TEST_F(RunFlowTest, ShutdownStopsARunningDeviceOnceWithHalfASecondsPause) {
  Load();
  EXPECT_TRUE(flow.StopDeviceForShutdown());
  EXPECT_TRUE(log.empty());
  StartRun();
  log.clear();
  EXPECT_TRUE(flow.StopDeviceForShutdown());
  EXPECT_TRUE(flow.StopDeviceForShutdown());
  EXPECT_EQ(log, (std::vector<std::string>{"DeviceStop", "wait 0.5"}));
}


// ---- keeping every run ------------------------------------------------------------

class RecordingKeeping : public RunKeeping {
public:
  bool KeepEndingRun(const std::string& lines) override {
    kept.push_back(lines);
    if (log) log->push_back("keep");
    return accept;
  }
  void RunBegun() override {
    if (log) log->push_back("begun");
  }
  bool accept = true;
  std::vector<std::string> kept;
  std::vector<std::string>* log = nullptr;
};

TEST_F(RunFlowTest, StartKeepsTheEndingRunBeforeTheRunLogIsEmptied) {
  RecordingKeeping keeping;
  keeping.log = &log;
  flow.SetKeeping(&keeping);
  saveType = "true"; // only GOOD readings go into the run log, and so into the kept run
  Load();
  StartRun();
  Reading("15.00");
  Reading("25.00");
  Reading("16.00");
  file.writable = false; // a line held, not yet in the file, is still the run's
  Reading("17.00");
  log.clear();
  flow.StartClicked();
  ASSERT_EQ(keeping.kept.size(), 2u);
  EXPECT_EQ(keeping.kept[0], "") << "the first START ends no run";
  EXPECT_EQ(keeping.kept[1], " 1,15.00,85.00,GOOD\r\n 3,16.00,85.00,GOOD\r\n 4,17.00,85.00,GOOD\r\n");
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "keep");
  EXPECT_NE(std::find(log.begin(), log.end(), "begun"), log.end());
  EXPECT_TRUE(flow.RunLines().empty()) << "the new run starts with no line";

  // A run that cannot be kept: START refuses, says why, and touches nothing.
  file.writable = true;
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  Reading("15.50");
  keeping.accept = false;
  const auto rowsBefore = view.rows.size();
  const std::string fileBefore = file.bytes;
  log.clear();
  view.told.clear();
  flow.StartClicked();
  ASSERT_EQ(view.told.size(), 1u);
  EXPECT_EQ(view.told[0].buttons, MessageButtons::OkWarning);
  EXPECT_NE(view.told[0].text.find("START was not carried out"), std::string::npos);
  EXPECT_EQ(view.rows.size(), rowsBefore) << "the grid is not cleared";
  EXPECT_EQ(file.bytes, fileBefore) << "nor the run log emptied";
  EXPECT_EQ(log, std::vector<std::string>{"keep"}) << "and the device is not started";
  EXPECT_EQ(flow.RunLines(), " 1,15.50,85.00,GOOD\r\n");
  EXPECT_EQ(flow.State().ReadingNo, 1);
}

} // namespace
} // namespace orva
