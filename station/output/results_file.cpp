#include "station/output/results_file.h"

#include "station/allowance.h"
#include "station/settings/text_table.h"

namespace orva {

std::string LimitsLine(std::string_view curLanguage, std::string_view limitHigh,
                       std::string_view limitLow, std::int16_t limitUnitMode) {
  // Here only 1 is Hz; the judging takes every value but 0 as Hz.
  const std::string_view unit = LimitUnitText(limitUnitMode == 1 ? LimitUnit::Hz : LimitUnit::N);
  std::string line = PickText(curLanguage, Text::HighLimitTitle);
  line.append(limitHigh).append(unit).append("   ");
  line += PickText(curLanguage, Text::LowLimitTitle);
  line.append(limitLow).append(unit);
  return line;
}

std::string ResultsHeader(const ResultsHeaderInput& in) {
  std::string header(in.printTitle);
  header += "\r\n\r\n\r\n";
  header += LimitsLine(in.curLanguage, in.limitHigh, in.limitLow, in.limitUnitMode);
  header += "\r\n\r\n\r\n";
  header += "No.,N,Hz\r\n";
  return header;
}

std::string ResultsBody(std::string_view runLog) {
  std::string body;
  body.reserve(runLog.size() + runLog.size() / 16 + 2);
  size_t start = 0;
  while (start < runLog.size()) {
    const size_t end = runLog.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      body.append(runLog.substr(start)).append(kResultsLineEnd);
      break;
    }
    body.append(runLog.substr(start, end - start)).append(kResultsLineEnd);
    start = end + 1;
    if (runLog[end] == '\r' && start < runLog.size() && runLog[start] == '\n') ++start;
  }
  return body;
}

std::string DialogFilter(std::string_view barFilter) {
  std::string filter(barFilter);
  for (char& c : filter)
    if (c == '|') c = '\0';
  filter.push_back('\0');
  filter.push_back('\0');
  return filter;
}

std::string OverwriteQuestion(std::string_view curLanguage, std::string_view fullName) {
  std::string text(fullName);
  text += ' ';
  text += PickText(curLanguage, Text::AlreadyExists);
  text += '\r';
  text += PickText(curLanguage, Text::OverwriteIt);
  return text;
}

std::string OverwriteTitle(std::string_view curLanguage) { return PickText(curLanguage, Text::SaveFile); }

} // namespace orva
