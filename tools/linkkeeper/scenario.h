// The meter simulator's scenario: what kind of meter it plays and what it
// does when, read from a small "key = value" text (see SCENARIO.md).
// Portable: no windows.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace linkkeeper {

// The two five-character texts of one reading, exactly as they go into the
// block (no terminator).
struct ReadingText {
  std::array<char, 5> tension{};
  std::array<char, 5> frequency{};
  friend bool operator==(const ReadingText&, const ReadingText&) = default;
};

inline constexpr std::size_t kMaxErrorTextLength = 127; // plus NUL in 128 bytes

struct ErrorReport {
  std::int32_t alarmNo = 0;
  std::int32_t subCode = 0;
  std::string text1; // at most kMaxErrorTextLength characters
  std::string text2;
  friend bool operator==(const ErrorReport&, const ErrorReport&) = default;
};

enum class NotifyMode { Send, Post };

struct Scenario {
  double rate = 4;          // generated readings per second; 0: none
  double tension = 12.50;   // N
  double frequency = 85.00; // Hz
  double scatter = 0.02;    // relative, uniform
  int outlierEvery = 7;     // 0: never
  std::uint32_t seed = 1;
  std::vector<ReadingText> readings; // scripted, in order
  int burst = 0;
  int errorAfter = 0; // 0: never
  ErrorReport afterError{5, 2, "Sensor signal lost", ""};
  std::vector<ErrorReport> errors; // scripted, in order
  bool stopAfterError = true;
  bool failDeviceStart = false;
  bool hangOnNull = false;
  bool noWindow = false;
  std::string windowTitle = "WindowNameUsb";
  NotifyMode notify = NotifyMode::Send;
  std::string logPath; // empty: no log
  int exitDelayMs = 0;
};

// One line that could not be taken as written; the rest of the scenario
// still applies (a bad value leaves the key at its previous value).
struct ScenarioProblem {
  int line = 0; // 1-based
  std::string text;
};

struct ParsedScenario {
  Scenario scenario;
  std::vector<ScenarioProblem> problems;
};

// Parses a scenario text (LF or CR LF lines, optional UTF-8 BOM).
ParsedScenario ParseScenario(std::string_view text);

} // namespace linkkeeper
