#include "station/archive/archived_run.h"

#include "station/output/results_file.h"
#include "station/settings/text_table.h"

#include <charconv>

namespace orva {
namespace {

constexpr std::string_view kColumnLine = "No.,N,Hz";
constexpr int kHeaderLines = 7;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}
bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The limit text before its unit, and the unit. The text is as typed, so a
// limit "5N" in Hz mode reads back from "5NHz" as "5N" in Hz.
std::optional<std::pair<std::string_view, int>> SplitUnit(std::string_view text) {
  if (EndsWith(text, "Hz")) return std::pair{text.substr(0, text.size() - 2), 1};
  if (EndsWith(text, "N")) return std::pair{text.substr(0, text.size() - 1), 0};
  return std::nullopt;
}

std::optional<Allowance> ReadLimitsLineIn(std::string_view line, std::string_view language) {
  const std::string high = PickText(language, Text::HighLimitTitle);
  const std::string low = "   " + PickText(language, Text::LowLimitTitle);
  if (!StartsWith(line, high)) return std::nullopt;
  const size_t lowAt = line.rfind(low);
  if (lowAt == std::string_view::npos || lowAt < high.size()) return std::nullopt;
  const auto highPart = SplitUnit(line.substr(high.size(), lowAt - high.size()));
  const auto lowPart = SplitUnit(line.substr(lowAt + low.size()));
  if (!highPart || !lowPart || highPart->second != lowPart->second) return std::nullopt;
  return Allowance{std::string(highPart->first), std::string(lowPart->first), highPart->second};
}

std::optional<Judgement> ReadJudgement(std::string_view word) {
  for (const Judgement j : {Judgement::Good, Judgement::High, Judgement::Low, Judgement::None})
    if (word == JudgementText(j)) return j;
  return std::nullopt;
}

// The lines, split at line ends of any kind (CR LF, CR, LF) as the results
// file's writer reads the run log: its body form has CR LF after each.
std::vector<std::string> Lines(std::string_view text) {
  const std::string body = ResultsBody(text);
  std::vector<std::string> lines;
  for (size_t start = 0; start < body.size();) {
    const size_t end = body.find(kResultsLineEnd, start);
    lines.push_back(body.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

} // namespace

std::optional<Allowance> ReadLimitsLine(std::string_view line) {
  if (auto a = ReadLimitsLineIn(line, "english")) return a;
  return ReadLimitsLineIn(line, "japanese");
}

std::optional<ArchivedReading> ReadRunLogLine(std::string_view line) {
  std::string_view fields[4];
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const size_t comma = line.find(',', start);
    if ((comma == std::string_view::npos) != (i == 3)) return std::nullopt;
    fields[i] = line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    start = comma + 1;
  }
  std::string_view number = fields[0];
  while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
  std::int32_t readingNo = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), readingNo);
  if (number.empty() || error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  const std::optional<Judgement> judgement = ReadJudgement(fields[3]);
  if (!judgement) return std::nullopt;
  return ArchivedReading{readingNo, {std::string(fields[1]), std::string(fields[2])}, *judgement};
}

std::optional<ArchivedRun> ReadResultsFile(std::string_view text) {
  const std::vector<std::string> lines = Lines(text);
  size_t column = 0;
  while (column < lines.size() && column < kHeaderLines && lines[column] != kColumnLine) ++column;
  if (column == lines.size() || column == kHeaderLines) return std::nullopt;
  ArchivedRun run;
  // A complete header has the title first and the limits line fourth; a
  // header cut short keeps what can still be told apart.
  if (column == kHeaderLines - 1) {
    run.printTitle = std::string(lines[0]);
    run.allowance = ReadLimitsLine(lines[3]);
  }
  for (size_t i = column + 1; i < lines.size(); ++i) {
    if (std::optional<ArchivedReading> reading = ReadRunLogLine(lines[i]))
      run.readings.push_back(std::move(*reading));
    else if (!IsBlank(lines[i]))
      ++run.damagedLines;
  }
  return run;
}

} // namespace orva
