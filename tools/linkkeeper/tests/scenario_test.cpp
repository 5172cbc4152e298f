// Scenario parsing: every key, defaults, comments, scripted readings and
// errors, and what happens to lines that cannot be taken as written.
#include "tools/linkkeeper/scenario.h"

#include <gtest/gtest.h>

namespace linkkeeper {
namespace {

ReadingText Text(const char* t, const char* f) {
  ReadingText r;
  std::copy(t, t + 5, r.tension.begin());
  std::copy(f, f + 5, r.frequency.begin());
  return r;
}

TEST(Scenario, EmptyTextGivesTheDocumentedDefaults) {
  const ParsedScenario p = ParseScenario("");
  const Scenario& s = p.scenario;
  EXPECT_TRUE(p.problems.empty());
  EXPECT_EQ(s.rate, 4);
  EXPECT_EQ(s.tension, 12.50);
  EXPECT_EQ(s.frequency, 85.00);
  EXPECT_EQ(s.scatter, 0.02);
  EXPECT_EQ(s.outlierEvery, 7);
  EXPECT_EQ(s.seed, 1u);
  EXPECT_TRUE(s.readings.empty());
  EXPECT_EQ(s.burst, 0);
  EXPECT_EQ(s.errorAfter, 0);
  EXPECT_EQ(s.afterError, (ErrorReport{5, 2, "Sensor signal lost", ""}));
  EXPECT_TRUE(s.errors.empty());
  EXPECT_TRUE(s.stopAfterError);
  EXPECT_FALSE(s.failDeviceStart);
  EXPECT_FALSE(s.hangOnNull);
  EXPECT_FALSE(s.noWindow);
  EXPECT_EQ(s.windowTitle, "WindowNameUsb");
  EXPECT_EQ(s.notify, NotifyMode::Send);
  EXPECT_EQ(s.logPath, "");
  EXPECT_EQ(s.exitDelayMs, 0);
}

TEST(Scenario, EveryKeyIsTaken) {
  const ParsedScenario p = ParseScenario(
      "rate = 0.5\n"
      "tension = 7.25\n"
      "frequency = 120\n"
      "scatter = 0.1\n"
      "outlier_every = 3\n"
      "seed = 4000000000\n"
      "burst = 50\n"
      "error_after = 9\n"
      "error_alarm = -3\n"
      "error_subcode = 17\n"
      "error_text1 = Belt slipped\n"
      "error_text2 = Check the sensor\n"
      "stop_after_error = 0\n"
      "fail_device_start = 1\n"
      "hang_on_null = yes\n"
      "no_window = true\n"
      "window_title = SomethingElse\n"
      "notify = post\n"
      "log = C:\\temp\\lk.log\n"
      "exit_delay_ms = 8000\n");
  const Scenario& s = p.scenario;
  EXPECT_TRUE(p.problems.empty()) << p.problems.front().text;
  EXPECT_EQ(s.rate, 0.5);
  EXPECT_EQ(s.tension, 7.25);
  EXPECT_EQ(s.frequency, 120);
  EXPECT_EQ(s.scatter, 0.1);
  EXPECT_EQ(s.outlierEvery, 3);
  EXPECT_EQ(s.seed, 4000000000u);
  EXPECT_EQ(s.burst, 50);
  EXPECT_EQ(s.errorAfter, 9);
  EXPECT_EQ(s.afterError, (ErrorReport{-3, 17, "Belt slipped", "Check the sensor"}));
  EXPECT_FALSE(s.stopAfterError);
  EXPECT_TRUE(s.failDeviceStart);
  EXPECT_TRUE(s.hangOnNull);
  EXPECT_TRUE(s.noWindow);
  EXPECT_EQ(s.windowTitle, "SomethingElse");
  EXPECT_EQ(s.notify, NotifyMode::Post);
  EXPECT_EQ(s.logPath, "C:\\temp\\lk.log");
  EXPECT_EQ(s.exitDelayMs, 8000);
}

TEST(Scenario, CommentsBlanksLineEndsAndLaterLinesWin) {
  const ParsedScenario p = ParseScenario(
      "\xEF\xBB\xBF# a whole-line comment\r\n"
      "   \r\n"
      "  rate=2   # two a second\r\n"
      "\t# indented comment = ignored\r\n"
      "error_text1 = Sensor#2 lost\r\n"
      "rate = 3\r\n"
      "burst = 5");  // no line end at the end
  EXPECT_TRUE(p.problems.empty());
  EXPECT_EQ(p.scenario.rate, 3);
  EXPECT_EQ(p.scenario.burst, 5);
  EXPECT_EQ(p.scenario.afterError.text1, "Sensor#2 lost");
}

TEST(Scenario, ScriptedReadingsAppendInOrderWithUnderscoreForBlank) {
  const ParsedScenario p = ParseScenario(
      "reading = 12.50 85.00\n"
      "reading = _1.25   _9.99\n"
      "reading = abc__ _____\n");
  ASSERT_EQ(p.scenario.readings.size(), 3u);
  EXPECT_EQ(p.scenario.readings[0], Text("12.50", "85.00"));
  EXPECT_EQ(p.scenario.readings[1], Text(" 1.25", " 9.99"));
  EXPECT_EQ(p.scenario.readings[2], Text("abc  ", "     "));
}

TEST(Scenario, ScriptedErrorsSplitAtTheBar) {
  const ParsedScenario p = ParseScenario(
      "error = 12 3 Belt broken | Replace the belt\n"
      "error = -1 0 Only one text\n"
      "error = 7 8\n"
      "error = 7 8 | second only\n");
  ASSERT_EQ(p.scenario.errors.size(), 4u);
  EXPECT_EQ(p.scenario.errors[0], (ErrorReport{12, 3, "Belt broken", "Replace the belt"}));
  EXPECT_EQ(p.scenario.errors[1], (ErrorReport{-1, 0, "Only one text", ""}));
  EXPECT_EQ(p.scenario.errors[2], (ErrorReport{7, 8, "", ""}));
  EXPECT_EQ(p.scenario.errors[3], (ErrorReport{7, 8, "", "second only"}));
}

TEST(Scenario, ErrorTextsAreCutTo127Characters) {
  const std::string exact(127, 'x');
  const std::string longer(200, 'y');
  ParsedScenario p = ParseScenario("error_text1 = " + exact + "\nerror_text2 = " + longer + "\n");
  EXPECT_EQ(p.scenario.afterError.text1, exact);
  EXPECT_EQ(p.scenario.afterError.text2, std::string(127, 'y'));
  ASSERT_EQ(p.problems.size(), 1u);
  EXPECT_EQ(p.problems[0].line, 2);

  p = ParseScenario("error = 1 1 " + longer + " | short\n");
  ASSERT_EQ(p.scenario.errors.size(), 1u);
  EXPECT_EQ(p.scenario.errors[0].text1.size(), 127u);
  EXPECT_EQ(p.scenario.errors[0].text2, "short");
  EXPECT_EQ(p.problems.size(), 1u);
}

// A line that cannot be taken is reported and leaves the earlier value.
TEST(Scenario, BadLinesAreReportedAndChangeNothing) {
  struct Case {
    const char* line;
  } cases[] = {
      {"rate = fast"},         {"rate = -1"},          {"rate = 4,5"},
      {"scatter = 1.5"},       {"burst = 2x"},         {"seed = -1"},
      {"outlier_every = 1.5"}, {"hang_on_null = 2"},   {"notify = later"},
      {"reading = 12.5 85.00"}, {"reading = 12.500 85.00"}, {"reading = 12.50"},
      {"error = x 2 text"},    {"error = 1"},          {"no equals sign"},
      {"mystery_key = 1"},     {"tension = nan"},      {"error_alarm = 1.5"},
      {"error_alarm = +-5"},   {"tension = +-5"},      {"rate = ++5"},
      {"tension = +"},
  };
  for (const auto& c : cases) {
    const ParsedScenario p = ParseScenario(std::string(c.line) + "\n");
    ASSERT_EQ(p.problems.size(), 1u) << c.line;
    EXPECT_EQ(p.problems[0].line, 1) << c.line;
    const Scenario defaults;
    EXPECT_EQ(p.scenario.rate, defaults.rate) << c.line;
    EXPECT_EQ(p.scenario.scatter, defaults.scatter) << c.line;
    EXPECT_EQ(p.scenario.burst, defaults.burst) << c.line;
    EXPECT_EQ(p.scenario.seed, defaults.seed) << c.line;
    EXPECT_EQ(p.scenario.tension, defaults.tension) << c.line;
    EXPECT_EQ(p.scenario.notify, defaults.notify) << c.line;
    EXPECT_TRUE(p.scenario.readings.empty()) << c.line;
    EXPECT_TRUE(p.scenario.errors.empty()) << c.line;
    EXPECT_EQ(p.scenario.afterError, defaults.afterError) << c.line;
  }
}

// One plus sign may lead a number; a second sign after it is malformed.
TEST(Scenario, ALeadingPlusIsTakenOnce) {
  const ParsedScenario p = ParseScenario("rate = +5\nerror_alarm = +7\nerror_alarm = +-5\n");
  EXPECT_EQ(p.scenario.rate, 5);
  EXPECT_EQ(p.scenario.afterError.alarmNo, 7);
  ASSERT_EQ(p.problems.size(), 1u);
  EXPECT_EQ(p.problems[0].line, 3);
}

TEST(Scenario, ProblemLineNumbersCountEveryLine) {
  const ParsedScenario p = ParseScenario("# one\n\nrate = 1\nrate = bad\n");
  ASSERT_EQ(p.problems.size(), 1u);
  EXPECT_EQ(p.problems[0].line, 4);
  EXPECT_EQ(p.scenario.rate, 1);
}

} // namespace
} // namespace linkkeeper
