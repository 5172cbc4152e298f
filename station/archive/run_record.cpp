#include "station/archive/run_record.h"

#include <charconv>

namespace orva {
namespace {

std::string Escaped(std::string_view value) {
  std::string out;
  for (const char c : value) {
    if (c == '\\') out += "\\\\";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::string Unescaped(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    const char next = value[++i];
    out += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
  }
  return out;
}

} // namespace

std::string RunRecordText(const RunRecord& r) {
  std::string text;
  const auto line = [&text](std::string_view key, std::string_view value) {
    text.append(key).append("=").append(Escaped(value)).append("\r\n");
  };
  line("Started", RunTimeText(r.started));
  line("Computer", r.computer);
  line("Language", r.language);
  line("PrintTitle", r.printTitle);
  line("LimitHigh", r.allowance.highText);
  line("LimitLow", r.allowance.lowText);
  line("LimitUnit", r.allowance.limitUnitMode == 1 ? "1" : "0");
  line("Archived", r.archived ? "1" : "0");
  line("Copy", std::to_string(r.copy));
  return text;
}

std::optional<RunRecord> ParseRunRecord(std::string_view text) {
  RunRecord record;
  bool started = false;
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, equals);
    const std::string value = Unescaped(line.substr(equals + 1));
    if (key == "Started") {
      const std::optional<RunTime> time = ParseRunTimeText(value);
      if (!time) return std::nullopt;
      record.started = *time;
      started = true;
    } else if (key == "Computer") {
      record.computer = value;
    } else if (key == "Language") {
      record.language = value;
    } else if (key == "PrintTitle") {
      record.printTitle = value;
    } else if (key == "LimitHigh") {
      record.allowance.highText = value;
    } else if (key == "LimitLow") {
      record.allowance.lowText = value;
    } else if (key == "LimitUnit") {
      record.allowance.limitUnitMode = value == "1" ? 1 : 0;
    } else if (key == "Archived") {
      record.archived = value == "1";
    } else if (key == "Copy") {
      int copy = 0;
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), copy);
      if (error == std::errc() && end == value.data() + value.size() && copy >= 1 && copy < 1000000) record.copy = copy;
    }
  }
  if (!started) return std::nullopt;
  return record;
}

} // namespace orva
