// Scenario text → Scenario. Values are read with std::from_chars, so the
// decimal point is "." whatever the locale.
#include "tools/linkkeeper/scenario.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>

namespace linkkeeper {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(kBlanks);
  return s.substr(first, last - first + 1);
}

// A '#' at the start of a line or after a blank starts a comment; a '#'
// inside a word ("Sensor#2") is kept.
std::string_view StripComment(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
      return line.substr(0, i);
    }
  }
  return line;
}

template <class T>
bool ParseNumber(std::string_view text, T& out) {
  if (text.empty()) return false;
  // One plus sign may lead a number; what follows it must then be digits,
  // so "+-5" and "++5" are malformed rather than read as -5 or 5.
  if (text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() == '-' || text.front() == '+') return false;
  }
  T value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return false;
  if constexpr (std::is_floating_point_v<T>) {
    if (!std::isfinite(value)) return false;
  }
  out = value;
  return true;
}

bool ParseBool(std::string_view text, bool& out) {
  std::string lower;
  for (char c : text) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (lower == "1" || lower == "true" || lower == "yes" || lower == "on") {
    out = true;
    return true;
  }
  if (lower == "0" || lower == "false" || lower == "no" || lower == "off") {
    out = false;
    return true;
  }
  return false;
}

// "TTTTT FFFFF": two words of exactly five characters, '_' for a blank.
bool ParseReading(std::string_view text, ReadingText& out) {
  const auto gap = text.find_first_of(kBlanks);
  if (gap == std::string_view::npos) return false;
  const std::string_view first = text.substr(0, gap);
  const std::string_view second = Trim(text.substr(gap));
  if (first.size() != 5 || second.size() != 5) return false;
  for (std::size_t i = 0; i < 5; ++i) {
    out.tension[i] = first[i] == '_' ? ' ' : first[i];
    out.frequency[i] = second[i] == '_' ? ' ' : second[i];
  }
  return true;
}

// Texts longer than the block field allows are cut; the caller reports it.
bool FitErrorText(std::string_view text, std::string& out) {
  out.assign(text.substr(0, kMaxErrorTextLength));
  return text.size() <= kMaxErrorTextLength;
}

// "alarm subcode text1 | text2" (text2 optional).
bool ParseError(std::string_view text, ErrorReport& out, bool& cut) {
  const auto gap1 = text.find_first_of(kBlanks);
  const std::string_view alarm = text.substr(0, gap1);
  std::string_view rest = gap1 == std::string_view::npos ? std::string_view{} : Trim(text.substr(gap1));
  const auto gap2 = rest.find_first_of(kBlanks);
  const std::string_view sub = rest.substr(0, gap2);
  rest = gap2 == std::string_view::npos ? std::string_view{} : Trim(rest.substr(gap2));
  ErrorReport report;
  if (!ParseNumber(alarm, report.alarmNo) || !ParseNumber(sub, report.subCode)) return false;
  const auto bar = rest.find('|');
  const std::string_view t1 = Trim(rest.substr(0, bar));
  const std::string_view t2 = bar == std::string_view::npos ? std::string_view{} : Trim(rest.substr(bar + 1));
  cut = !FitErrorText(t1, report.text1);
  cut = !FitErrorText(t2, report.text2) || cut;
  out = std::move(report);
  return true;
}

// One key: applies `value` to the scenario, or returns why it could not.
using Setter = std::function<std::string(std::string_view value, Scenario&)>;

template <class T>
Setter Number(T Scenario::*field, T lowest, T highest) {
  return [=](std::string_view v, Scenario& s) -> std::string {
    T value{};
    if (!ParseNumber(v, value) || value < lowest || value > highest) return "bad number";
    s.*field = value;
    return {};
  };
}

Setter Flag(bool Scenario::*field) {
  return [=](std::string_view v, Scenario& s) -> std::string {
    return ParseBool(v, s.*field) ? std::string{} : "expected 0 or 1";
  };
}

Setter ErrorText(std::string ErrorReport::*field) {
  return [=](std::string_view v, Scenario& s) -> std::string {
    return FitErrorText(v, s.afterError.*field) ? std::string{} : "text cut to 127 characters";
  };
}

const std::map<std::string_view, Setter>& Setters() {
  static const std::map<std::string_view, Setter> table = {
      {"rate", Number(&Scenario::rate, 0.0, 1000.0)},
      {"tension", Number(&Scenario::tension, 0.0, 99999.0)},
      {"frequency", Number(&Scenario::frequency, 0.0, 99999.0)},
      {"scatter", Number(&Scenario::scatter, 0.0, 1.0)},
      {"outlier_every", Number(&Scenario::outlierEvery, 0, 1 << 30)},
      {"seed", Number(&Scenario::seed, 0u, 0xFFFFFFFFu)},
      {"burst", Number(&Scenario::burst, 0, 1 << 30)},
      {"error_after", Number(&Scenario::errorAfter, 0, 1 << 30)},
      {"exit_delay_ms", Number(&Scenario::exitDelayMs, 0, 1 << 30)},
      {"stop_after_error", Flag(&Scenario::stopAfterError)},
      {"fail_device_start", Flag(&Scenario::failDeviceStart)},
      {"hang_on_null", Flag(&Scenario::hangOnNull)},
      {"no_window", Flag(&Scenario::noWindow)},
      {"error_text1", ErrorText(&ErrorReport::text1)},
      {"error_text2", ErrorText(&ErrorReport::text2)},
      {"error_alarm",
       [](std::string_view v, Scenario& s) -> std::string {
         return ParseNumber(v, s.afterError.alarmNo) ? std::string{} : "bad number";
       }},
      {"error_subcode",
       [](std::string_view v, Scenario& s) -> std::string {
         return ParseNumber(v, s.afterError.subCode) ? std::string{} : "bad number";
       }},
      {"window_title",
       [](std::string_view v, Scenario& s) -> std::string {
         s.windowTitle.assign(v);
         return {};
       }},
      {"log",
       [](std::string_view v, Scenario& s) -> std::string {
         s.logPath.assign(v);
         return {};
       }},
      {"notify",
       [](std::string_view v, Scenario& s) -> std::string {
         if (v == "send") s.notify = NotifyMode::Send;
         else if (v == "post") s.notify = NotifyMode::Post;
         else return "expected send or post";
         return {};
       }},
      {"reading",
       [](std::string_view v, Scenario& s) -> std::string {
         ReadingText r;
         if (!ParseReading(v, r)) return "expected two texts of five characters";
         s.readings.push_back(r);
         return {};
       }},
      {"error",
       [](std::string_view v, Scenario& s) -> std::string {
         ErrorReport e;
         bool cut = false;
         if (!ParseError(v, e, cut)) return "expected: alarm subcode text1 | text2";
         s.errors.push_back(std::move(e));
         return cut ? "text cut to 127 characters" : std::string{};
       }},
  };
  return table;
}

} // namespace

ParsedScenario ParseScenario(std::string_view text) {
  ParsedScenario out;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  int lineNo = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = Trim(StripComment(line));
    if (line.empty()) continue;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
      out.problems.push_back({lineNo, "expected key = value"});
      continue;
    }
    const std::string_view key = Trim(line.substr(0, eq));
    const std::string_view value = Trim(line.substr(eq + 1));
    const auto& setters = Setters();
    const auto setter = setters.find(key);
    if (setter == setters.end()) {
      out.problems.push_back({lineNo, "unknown key '" + std::string(key) + "' ignored"});
      continue;
    }
    const std::string why = setter->second(value, out.scenario);
    if (!why.empty()) out.problems.push_back({lineNo, std::string(key) + ": " + why});
  }
  return out;
}

} // namespace linkkeeper
