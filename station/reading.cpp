// One reading: the texts of receive entry 0, its grid row and run-log line.
#include "station/reading.h"

#include "station/allowance.h"
#include "station/numeric_text.h"

namespace orva {

namespace {
constexpr std::size_t kTextLength = 5;
}

ReadingTexts SplitEntry(const unsigned char* entry) {
  const char* bytes = reinterpret_cast<const char*>(entry);
  // Taken byte for byte, NULs included: the meter's text is shown as sent.
  return ReadingTexts{std::string(bytes, kTextLength), std::string(bytes + kTextLength, kTextLength)};
}

const std::string& JudgedText(const ReadingTexts& texts, int limitUnitMode) {
  // Any mode but N judges the frequency, as the unit labels then read "Hz".
  return LimitUnitOf(limitUnitMode) == LimitUnit::N ? texts.tension : texts.frequency;
}

GridRowTexts MakeGridRow(std::int64_t readingNo, const ReadingTexts& texts, Judgement judgement) {
  return GridRowTexts{"No. " + StrForm(readingNo), texts.tension + " N", texts.frequency + " Hz",
                      JudgementText(judgement)};
}

std::string RunLogLine(std::int64_t readingNo, const ReadingTexts& texts, Judgement judgement) {
  std::string line = StrForm(readingNo);
  line += ',';
  line += texts.tension;
  line += ',';
  line += texts.frequency;
  line += ',';
  line += JudgementText(judgement);
  line += "\r\n";
  return line;
}

bool KeepInRunLog(std::string_view curSaveType, Judgement judgement) {
  return curSaveType == "false" || judgement == Judgement::Good;
}

} // namespace orva
