// START, STOP, the unit change and the run-log notice.
#include "station/tests/win/station_fixture.h"

#include <fstream>

namespace orva::test {
namespace {

using C = MainControl;

TEST_F(StationTest, StartChecksTheLimitsBeforeAnythingElse) {
  const struct {
    const wchar_t* high;
    const wchar_t* low;
    const wchar_t* message; // nullptr: accepted
    const wchar_t* lowAfter;
  } cases[] = {
      {L"10", L"5", nullptr, L"5"},
      {L"5", L"10", L"Set bigger value in high limit than low limit.", L"10"},
      {L"10", L"10", L"Set bigger value in high limit than low limit.", L"10"},
      {L"0", L"-5", L"Input value is not numerical value.", L"-5"},
      {L"", L"5", L"Input value is not numerical value.", L"5"},
      {L"10", L"abc", L"Input value is not numerical value.", L"abc"},
      {L"10", L"0.0", nullptr, L"0"},
      {L"-1", L"0.0", L"Set bigger value in high limit than low limit.", L"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::wstring(c.high) + L" / " + c.low);
    RecordedBoxes().clear();
    link_.calls.clear();
    EnableWindow(Ctl(C::cmdStart), TRUE);
    SetText(C::txtLimitHigh, c.high);
    SetText(C::txtLimitLow, c.low);
    Click(C::cmdStart);
    EXPECT_EQ(Text(C::txtLimitLow), c.lowAfter);
    if (c.message) {
      ASSERT_EQ(RecordedBoxes().size(), 1u);
      EXPECT_EQ(RecordedBoxes()[0].text, c.message);
      EXPECT_EQ(RecordedBoxes()[0].title, L"Allowance");
      EXPECT_EQ(RecordedBoxes()[0].type, static_cast<UINT>(MB_CANCELTRYCONTINUE));
      EXPECT_TRUE(link_.calls.empty());
      EXPECT_TRUE(Enabled(C::cmdStart));
    } else {
      EXPECT_TRUE(RecordedBoxes().empty());
      EXPECT_EQ(link_.calls, std::vector<std::string>{"DeviceStart"});
    }
  }
}

TEST_F(StationTest, StartWithoutHandlerSaysSoAndChangesNothing) {
  link_.announceOnStart = false;
  RestartWithIni("");
  EXPECT_EQ(lib_.ExeStarted, kFalse);
  for (int i = 0; i < 2; ++i) {
    SetText(C::txtLimitHigh, L"20");
    SetText(C::txtLimitLow, L"10");
    Click(C::cmdStart);
    ASSERT_EQ(RecordedBoxes().size(), static_cast<size_t>(i + 1));
    EXPECT_EQ(RecordedBoxes()[i].text, L"Driver(LinkKeeper) was not executed.");
    EXPECT_EQ(RecordedBoxes()[i].title, L"ORVA");
    EXPECT_EQ(RecordedBoxes()[i].type, static_cast<UINT>(MB_OK));
  }
  EXPECT_EQ(link_.Count("DeviceStart"), 0u);
  EXPECT_TRUE(Enabled(C::cmdStart));
}

TEST_F(StationTest, AcceptedStartOpensARunAndWaitsForTheDevice) {
  RestartWithIni("[SaveType]\r\nNeglectHighLow=false\r\n");
  std::ofstream(PathOf("temp.txt"), std::ios::binary) << " 1,old,run,GOOD\r\n";
  window_->Grid().SetTextMatrix(3, 0, L"old");
  SetText(C::txtLimitHigh, L"20");
  SetText(C::txtLimitLow, L"10");
  Click(C::cmdStart);
  EXPECT_EQ(ReadFileBytes("temp.txt"), "");
  EXPECT_EQ(window_->Grid().TextMatrix(3, 0), L"");
  for (C c : {C::cmdStart, C::cmdEnd, C::txtLimitHigh, C::txtLimitLow, C::frmLimit}) EXPECT_FALSE(Enabled(c));
  ASSERT_EQ(link_.calls, (std::vector<std::string>{"USBStart", "DeviceStart"}));
  EXPECT_EQ(link_.lastParams.mainWindow, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Main())));
  EXPECT_EQ(link_.lastParams.languageFlag, 1u);
  EXPECT_EQ(link_.lastParams.param3, 129u);
  EXPECT_EQ(link_.lastParams.param4, 2000000000u);

  Notify(devlink::kNotifyDeviceStarted);
  EXPECT_FALSE(Enabled(C::cmdStart));
  EXPECT_TRUE(Enabled(C::cmdEnd));
  EXPECT_EQ(Text(C::lblMeasure), L"Measure Mode");
}

TEST_F(StationTest, StartAfterStopRestartsTheRunWithoutTheLibrary) {
  RestartWithIni(kNewtonsKeepAll);
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  Reading("16.00", "85.00");
  Click(C::cmdEnd);
  Reading("17.00", "85.00");
  link_.calls.clear();
  Click(C::cmdStart);
  EXPECT_TRUE(link_.calls.empty());
  EXPECT_EQ(Text(C::lblMeasure), L"Measure Mode");
  EXPECT_EQ(lib_.MeasureState, 0);
  EXPECT_EQ(ReadFileBytes("temp.txt"), "");
  EXPECT_EQ(window_->Grid().TextMatrix(0, 0), L"");
  Reading("18.00", "85.00");
  EXPECT_EQ(window_->Grid().TextMatrix(0, 0), L"No.  1");
  EXPECT_EQ(window_->Grid().TopRow(), 0);
  EXPECT_EQ(RunLogLines(), std::vector<std::string>{" 1,18.00,85.00,GOOD"});
}

TEST_F(StationTest, StartAfterAnErrorStopsTheDeviceWaitsThenStartsIt) {
  for (UINT error : {devlink::kNotifyErrorReport, devlink::kNotifyDeviceStartError}) {
    SCOPED_TRACE(error);
    StartRun(L"20", L"10");
    Notify(error);
    EXPECT_EQ(lib_.ErrorPending, kTrue);
    link_.calls.clear();
    link_.callTimes.clear();
    Click(C::cmdStart);
    ASSERT_EQ(link_.calls, (std::vector<std::string>{"DeviceStop", "DeviceStart"}));
    EXPECT_GE(link_.callTimes[1] - link_.callTimes[0], 0.99);
    EXPECT_EQ(lib_.ErrorPending, kFalse);
    Notify(devlink::kNotifyDeviceStarted);
  }
}

TEST_F(StationTest, UnitChangeClearsTheLimitsAfterTheStartUpClick) {
  RestartWithIni("[Limit]\r\nLimitMode=N\r\nHigh=20\r\nLow=10\r\n");
  // The start-up's own switch to N was the first click: the limits survived.
  EXPECT_EQ(window_->FirstFlg, 0);
  EXPECT_EQ(Text(C::txtLimitHigh), L"20");
  EXPECT_EQ(Text(C::lblHigh), L"N");

  Click(C::OptLimitMode0); // already on: no change of unit
  EXPECT_EQ(Text(C::txtLimitHigh), L"20");

  Click(C::OptLimitMode1);
  EXPECT_EQ(Text(C::txtLimitHigh), L"");
  EXPECT_EQ(Text(C::txtLimitLow), L"");
  EXPECT_EQ(Text(C::lblHigh), L"Hz");
  EXPECT_EQ(Text(C::lblLow), L"Hz");
  EXPECT_EQ(lib_.LimitUnitMode, 1);
  EXPECT_TRUE(Checked(C::OptLimitMode1));
  EXPECT_FALSE(Checked(C::OptLimitMode0));
}

const wchar_t kKeptNotice[] =
    L"The run log (temp.txt) cannot be written just now. Readings are kept and written to it as soon as it "
    L"can be written again.";

// The notice is posted; the reading's own message returns first. The
// readings of the blocked time reach the file at the first reading after.
TEST_F(StationTest, RunLogBlockedMidRunGetsEveryReadingOnceItIsFree) {
  for (const auto kind : {RunLogBlocker::Locked, RunLogBlocker::ReadShared}) {
    SCOPED_TRACE(kind == RunLogBlocker::Locked ? "locked" : "shared for reading");
    RestartWithIni(kNewtonsKeepAll);
    RecordedBoxes().clear();
    StartRun(L"20", L"10");
    Reading("15.00", "85.00");
    RunLogBlocker blocker(kind, PathOf("temp.txt"));
    ASSERT_TRUE(blocker.Blocking());
    Reading("16.00", "85.00");
    EXPECT_TRUE(RecordedBoxes().empty()); // not inside the reading's message
    Pump();
    Reading("17.00", "85.00");
    Pump();
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    EXPECT_EQ(RecordedBoxes()[0].text, kKeptNotice);
    EXPECT_EQ(window_->Grid().TextMatrix(2, 1), L"17.00 N");
    blocker.Release();
    EXPECT_EQ(RunLogLines(), std::vector<std::string>{" 1,15.00,85.00,GOOD"});
    Reading("18.00", "85.00");
    Pump();
    EXPECT_EQ(RunLogLines(), (std::vector<std::string>{" 1,15.00,85.00,GOOD", " 2,16.00,85.00,GOOD",
                                                      " 3,17.00,85.00,GOOD", " 4,18.00,85.00,GOOD"}));
    EXPECT_EQ(RecordedBoxes().size(), 1u) << "once per run";
  }
}

// Blocked at START: the old run stays in the file until it can be emptied,
// then the new run's lines alone go in; the next run is told again.
TEST_F(StationTest, RunLogBlockedAcrossStartHoldsTheNewRunWithoutMixing) {
  RestartWithIni(kNewtonsKeepAll);
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  RunLogBlocker blocker(RunLogBlocker::Locked, PathOf("temp.txt"));
  ASSERT_TRUE(blocker.Blocking());
  Click(C::cmdEnd);
  Click(C::cmdStart);
  Reading("18.00", "85.00");
  Reading("19.00", "85.00");
  Pump();
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, kKeptNotice);
  EXPECT_EQ(window_->Grid().TextMatrix(1, 1), L"19.00 N");
  blocker.Release();
  EXPECT_EQ(RunLogLines(), std::vector<std::string>{" 1,15.00,85.00,GOOD"}); // not emptied yet
  Reading("20.00", "85.00");
  Pump();
  EXPECT_EQ(RunLogLines(), (std::vector<std::string>{" 1,18.00,85.00,GOOD", " 2,19.00,85.00,GOOD",
                                                    " 3,20.00,85.00,GOOD"}));

  // Held lines of a run are not carried into the next one.
  RunLogBlocker again(RunLogBlocker::Locked, PathOf("temp.txt"));
  Reading("21.00", "85.00");
  again.Release();
  Click(C::cmdEnd);
  Click(C::cmdStart);
  Reading("11.00", "85.00");
  Pump();
  EXPECT_EQ(RunLogLines(), std::vector<std::string>{" 1,11.00,85.00,GOOD"});
  EXPECT_EQ(RecordedBoxes().size(), 1u);
}

} // namespace
} // namespace orva::test
