// Choosing a named allowance is typing it: the unit click (which empties the
// limits when the unit changes), both limits, and the readings judged
// against them; the name stays in use until the operator changes a limit or
// the unit, and comes back at start-up only with its own limits.
#include "station/allowances/named_allowances.h"
#include "station/allowances/active_allowance.h"
#include "station/allowances/allowances_layout.h"
#include "station/tests/run_fakes.h"

#include "devlink/link_block.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace orva {
namespace {

class NamedAllowancesTest : public ::testing::Test {
protected:
  NamedAllowancesTest() {
    view.log = device.log = &log;
    named.List().Add({"Drive belt", LimitUnit::N, "13", "12", "Drive belts"});
    named.List().Add({"Timing belt", LimitUnit::Hz, "95", "0.0", ""});
  }
  void Load(const std::string& high, const std::string& low, int mode) {
    flow.BeginLoad();
    flow.LoadLimits(high, low, mode);
    flow.ShowStartScreen();
    flow.LinkMessage(devlink::kNotifyHandlerRunning);
    flow.AfterLinkStart();
  }
  std::string Judge(const char* tension, const char* frequency) {
    std::array<unsigned char, devlink::kEntrySize> entry{};
    std::memcpy(entry.data() + devlink::kTensionOffset, tension, devlink::kReadingTextLength);
    std::memcpy(entry.data() + devlink::kFrequencyOffset, frequency, devlink::kReadingTextLength);
    flow.ReadingArrived(entry.data());
    return view.rows.at(view.currentRow).judgement;
  }
  // What the window does on every change of a limit box or of the unit.
  void Typed(const std::string& high, const std::string& low) {
    flow.LimitsEdited(high, low);
    named.LimitsChanged(flow);
  }

  std::vector<std::string> log;
  test::RecordingView view;
  test::RecordingDevice device;
  test::MemoryRunLog runLog;
  std::string language = kEnglish, saveType = "false";
  RunFlow flow{view, device, runLog, {language, saveType}};
  NamedAllowances named;
};

TEST_F(NamedAllowancesTest, ChoosingSetsTheUnitAndTheLimitsAsTypedAndTheReadingsFollow) {
  Load("20", "10", 0);
  const AllowanceEntry* timing = named.Choose(1, flow);
  ASSERT_TRUE(timing);
  EXPECT_EQ(timing->name, "Timing belt");
  EXPECT_EQ(view.option, 1);
  EXPECT_EQ(view.unit, "Hz");
  EXPECT_EQ(view.high, "95");
  EXPECT_EQ(view.low, "0.0");
  EXPECT_EQ(named.ActiveName(), "Timing belt");
  EXPECT_EQ(named.InUseText(kEnglish), "Allowance in use: Timing belt");

  flow.StartClicked();
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  EXPECT_EQ(view.low, "0"); // START's own rewrite ...
  named.LimitsChanged(flow);
  EXPECT_EQ(named.ActiveName(), "Timing belt"); // ... is still the same allowance
  EXPECT_EQ(Judge("12.50", "96.00"), "HIGH"); // judged in Hz now
  EXPECT_EQ(Judge("99.00", "94.00"), "GOOD");

  // Not during a run, as typing is not.
  EXPECT_FALSE(named.Choose(0, flow));
  EXPECT_EQ(view.high, "95");
  flow.StopClicked();
  ASSERT_TRUE(named.Choose(0, flow));
  EXPECT_EQ(view.unit, "N");
  EXPECT_EQ(flow.HighLimit(), "13");
  EXPECT_EQ(flow.LowLimit(), "12");
  flow.StartClicked(); // back to measuring, the device still runs
  EXPECT_EQ(Judge("12.50", "96.00"), "GOOD");
  EXPECT_FALSE(named.Choose(2, flow));
}

TEST_F(NamedAllowancesTest, AChangeByHandEndsTheNameButTypingTheSameTextDoesNot) {
  Load("", "", 0);
  named.Choose(0, flow);
  Typed("13", "12");
  EXPECT_EQ(named.ActiveName(), "Drive belt");
  Typed("13", "1");
  EXPECT_EQ(named.ActiveName(), "");
  EXPECT_EQ(named.InUseText(kEnglish), "");
  Typed("13", "12"); // back to its limits: still none, the operator chose none
  EXPECT_EQ(named.ActiveName(), "");

  named.Choose(0, flow);
  flow.LimitOptionClicked(1); // the unit by hand empties both limits
  named.LimitsChanged(flow);
  EXPECT_EQ(named.ActiveName(), "");

  named.Choose(0, flow);
  named.List().Replace(0, {"Drive belt", LimitUnit::N, "14", "12", ""}); // its entry edited
  named.LimitsChanged(flow);
  EXPECT_EQ(named.ActiveName(), "");
}

TEST_F(NamedAllowancesTest, TheStoredNameComesBackOnlyWithItsOwnLimits) {
  Load("95", "0", 1); // as written at the last exit after a START
  named.Restore(EncodeActiveName("Timing belt"), flow);
  EXPECT_EQ(named.ActiveName(), "Timing belt");
  EXPECT_EQ(named.StoredName(), "Timing%20belt");

  named.Restore("Drive%20belt", flow); // its limits are not what was loaded
  EXPECT_EQ(named.ActiveName(), "");
  named.Restore("Gone", flow); // no such entry any more
  EXPECT_EQ(named.ActiveName(), "");
  named.Restore("", flow);
  EXPECT_EQ(named.StoredName(), "");
}

TEST(AllowancesButtons, FollowTheSelectionTheListAndWhetherLimitsCanBeEdited) {
  using B = AllowancesButtons;
  const struct {
    std::optional<size_t> selected;
    size_t count;
    bool editable;
    B buttons;
  } cases[] = {
      {std::nullopt, 0, true, B{}},
      {std::nullopt, 3, true, B{false, false, false, false, false, true}},
      {0, 3, true, B{true, true, true, false, true, true}},
      {1, 3, true, B{true, true, true, true, true, true}},
      {2, 3, true, B{true, true, true, true, false, true}},
      {0, 1, false, B{false, true, true, false, false, true}}, // during a run: managed, not chosen
      {3, 3, true, B{false, false, false, false, false, true}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ButtonsFor(c.selected, c.count, c.editable), c.buttons)
        << (c.selected ? int(*c.selected) : -1) << "/" << c.count << "/" << c.editable;
}

TEST(AllowancesLayout, EveryControlLiesInItsDialogAndNoneOverlaps) {
  const auto check = [](auto count, auto rect, int width, int height) {
    for (int i = 0; i < count; ++i) {
      const winkit::TwipRect a = rect(i);
      EXPECT_GE(a.left, 0);
      EXPECT_GE(a.top, 0);
      EXPECT_LE(a.left + a.width, width) << i;
      EXPECT_LE(a.top + a.height, height) << i;
      for (int j = i + 1; j < count; ++j) {
        const winkit::TwipRect b = rect(j);
        const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
                           b.top + b.height <= a.top;
        EXPECT_TRUE(apart) << i << " and " << j;
      }
    }
  };
  check(static_cast<int>(AllowancesCtl::Count), [](int i) { return AllowancesRect(static_cast<AllowancesCtl>(i)); },
        kAllowancesClientWidth, kAllowancesClientHeight);
  check(static_cast<int>(EntryCtl::Count), [](int i) { return EntryRect(static_cast<EntryCtl>(i)); },
        kEntryClientWidth, kEntryClientHeight);
}

} // namespace
} // namespace orva
