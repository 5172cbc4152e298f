// START, STOP and the unit change on the real window (what they decide is
// tested natively with the run flow), and the run log held open by another
// program.
#include "station/tests/win/station_fixture.h"

#include <fstream>

namespace orva::test {
namespace {

using C = MainControl;

// A refused START is a box with the limit title; an accepted one with a low
// limit of 0 rewrites the box.
TEST_F(StationTest, StartTellsTheLimitMessageInABoxAndRewritesALowZero) {
  SetText(C::txtLimitHigh, L"5");
  SetText(C::txtLimitLow, L"10");
  Click(C::cmdStart);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, L"Set bigger value in high limit than low limit.");
  EXPECT_EQ(RecordedBoxes()[0].title, L"Allowance");
  EXPECT_EQ(RecordedBoxes()[0].type, static_cast<UINT>(MB_CANCELTRYCONTINUE));
  EXPECT_TRUE(Enabled(C::cmdStart));

  SetText(C::txtLimitHigh, L"10");
  SetText(C::txtLimitLow, L"0.0");
  Click(C::cmdStart);
  EXPECT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(Text(C::txtLimitLow), L"0");
  EXPECT_EQ(link_.Count("DeviceStart"), 1u);
}

TEST_F(StationTest, StartWithoutHandlerSaysSo) {
  link_.announceOnStart = false; // USBStart failed: no 0x465
  RestartWithIni("");
  EXPECT_EQ(Run().ExeStarted, kFalse);
  Click(C::cmdStart);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, L"Driver(LinkKeeper) was not executed.");
  EXPECT_EQ(RecordedBoxes()[0].title, L"ORVA");
  EXPECT_EQ(RecordedBoxes()[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(link_.Count("DeviceStart"), 0u);
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
}

// The second between DeviceStop and DeviceStart is a real one, with the
// window's messages served during it.
TEST_F(StationTest, StartAfterAnErrorPausesASecondBeforeStartingTheDevice) {
  StartRun(L"20", L"10");
  Notify(devlink::kNotifyErrorReport);
  link_.calls.clear();
  link_.callTimes.clear();
  Click(C::cmdStart);
  ASSERT_EQ(link_.calls, (std::vector<std::string>{"DeviceStop", "DeviceStart"}));
  EXPECT_GE(link_.callTimes[1] - link_.callTimes[0], 0.99);
}

// The start-up's own switch of the option is its first click; an operator's
// click on the other option changes the unit and empties both boxes.
TEST_F(StationTest, UnitOptionsShowTheUnitAndEmptyTheBoxes) {
  RestartWithIni("[Limit]\r\nLimitMode=N\r\nHigh=20\r\nLow=10\r\n");
  EXPECT_EQ(Run().FirstFlg, 0);
  EXPECT_EQ(Text(C::txtLimitHigh), L"20");
  EXPECT_EQ(Text(C::lblHigh), L"N");
  EXPECT_TRUE(Checked(C::OptLimitMode0));

  Click(C::OptLimitMode1);
  EXPECT_EQ(Text(C::txtLimitHigh), L"");
  EXPECT_EQ(Text(C::txtLimitLow), L"");
  EXPECT_EQ(Text(C::lblHigh), L"Hz");
  EXPECT_EQ(Text(C::lblLow), L"Hz");
  EXPECT_EQ(Run().LimitUnitMode, 1);
  EXPECT_TRUE(Checked(C::OptLimitMode1));
  EXPECT_FALSE(Checked(C::OptLimitMode0));

  Click(C::OptLimitMode0);
  EXPECT_EQ(Text(C::lblLow), L"N");
  EXPECT_TRUE(Checked(C::OptLimitMode0));
  EXPECT_FALSE(Checked(C::OptLimitMode1));
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
// then the new run's lines alone go in.
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
}

} // namespace
} // namespace orva::test
