// The order of a device run's notices: scripted readings, scripted errors,
// burst, then generated readings on ticks; error_after and stop_after_error.
#include "tools/linkkeeper/device_run.h"

#include <string>

#include <gtest/gtest.h>

namespace linkkeeper {
namespace {

// A compact trace of notices: "R:12.50" for a reading (tension text),
// "E:5" for an error (alarm number).
std::string Describe(const Notice& n) {
  if (n.kind == Notice::Kind::Error) return "E:" + std::to_string(n.error.alarmNo);
  return "R:" + std::string(n.reading.tension.begin(), n.reading.tension.end());
}

std::vector<std::string> Opening(DeviceRun& run) {
  std::vector<std::string> out;
  while (auto n = run.NextQueued()) out.push_back(Describe(*n));
  return out;
}

Scenario Parse(const std::string& text) { return ParseScenario(text).scenario; }

TEST(DeviceRun, OpeningIsScriptedReadingsThenErrorsThenBurst) {
  const Scenario s = Parse(
      "scatter = 0\noutlier_every = 0\nburst = 2\nstop_after_error = 0\n"
      "error = 9 1 boom\nreading = 01.00 02.00\nreading = 03.00 04.00\n");
  DeviceRun run(s);
  EXPECT_EQ(Opening(run), (std::vector<std::string>{"R:01.00", "R:03.00", "E:9", "R:12.50", "R:12.50"}));
  EXPECT_FALSE(run.HasQueued());
  EXPECT_EQ(run.readingsSent(), 4);
}

TEST(DeviceRun, TicksGiveGeneratedReadingsOnlyAfterTheOpening) {
  const Scenario s = Parse("reading = 01.00 02.00\nscatter = 0\noutlier_every = 0\n");
  DeviceRun run(s);
  EXPECT_FALSE(run.Tick().has_value()); // the scripted reading goes first
  ASSERT_TRUE(run.NextQueued().has_value());
  for (int i = 0; i < 3; ++i) {
    const auto n = run.Tick();
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(Describe(*n), "R:12.50");
    EXPECT_EQ(n->sequence, i + 2);
  }
}

std::vector<std::string> Kinds(DeviceRun& run, int ticks) {
  std::vector<std::string> out;
  while (auto n = run.NextQueued()) out.push_back(n->kind == Notice::Kind::Error ? "E" : "R");
  for (int i = 0; i < ticks; ++i) {
    if (auto n = run.Tick()) out.push_back(n->kind == Notice::Kind::Error ? "E" : "R");
    while (auto n = run.NextQueued()) out.push_back(n->kind == Notice::Kind::Error ? "E" : "R");
  }
  return out;
}

using V = std::vector<std::string>;

TEST(DeviceRun, ErrorAfterAndStopAfterError) {
  struct Case {
    const char* scenario;
    int ticks;
    V expected;
    bool runningAfter;
  } cases[] = {
      // The error follows the reading that reached the count, in the burst...
      {"reading = 01.00 02.00\nburst = 5\nerror_after = 3\n", 4, V{"R", "R", "R", "E"}, false},
      // ...or among the ticks.
      {"error_after = 2\n", 5, V{"R", "R", "E"}, false},
      // Without stop_after_error readings go on and the error comes once.
      {"error_after = 2\nstop_after_error = 0\n", 4, V{"R", "R", "E", "R", "R"}, true},
      // A scripted error stops the burst and the ticks behind it.
      {"burst = 3\nerror = 1 1 x\n", 3, V{"E"}, false},
      // Several scripted errors all go out even though the first stopped the device.
      {"error = 1 1 x\nerror = 2 2 y\nreading = 01.00 01.00\n", 2, V{"R", "E", "E"}, false},
      {"error_after = 0\n", 3, V{"R", "R", "R"}, true},
  };
  for (const auto& c : cases) {
    const Scenario s = Parse(c.scenario);
    DeviceRun run(s);
    EXPECT_EQ(Kinds(run, c.ticks), c.expected) << c.scenario;
    EXPECT_EQ(run.running(), c.runningAfter) << c.scenario;
  }
}

TEST(DeviceRun, ErrorAfterCarriesTheScenarioReport) {
  const Scenario s = Parse("error_after = 1\nerror_alarm = 44\nerror_subcode = 3\nerror_text2 = b\n");
  DeviceRun run(s);
  ASSERT_TRUE(run.Tick().has_value());
  const auto e = run.NextQueued();
  ASSERT_TRUE(e.has_value());
  EXPECT_EQ(e->error, (ErrorReport{44, 3, "Sensor signal lost", "b"}));
}

TEST(DeviceRun, EachRunStartsTheSameSequenceAgain) {
  const Scenario s = Parse("seed = 5\n");
  DeviceRun first(s), second(s);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(first.Tick()->reading, second.Tick()->reading);
}

} // namespace
} // namespace linkkeeper
