// One reading as the station shows and logs it: the two five-character
// texts of receive entry 0, the grid row texts and the run-log line.
#pragma once

#include "station/judgement.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orva {

struct ReadingTexts {
  std::string tension;   // entry bytes 0..4, exactly as received (ANSI bytes)
  std::string frequency; // entry bytes 5..9
};

// entry points at the 65-byte entry 0. Bytes are taken as they are, NULs
// included: five bytes make five characters.
ReadingTexts SplitEntry(const unsigned char* entry);

// The text judged in the given limit unit (0 = N: tension, else frequency).
const std::string& JudgedText(const ReadingTexts& texts, int limitUnitMode);

struct GridRowTexts {
  std::string number;    // "No." + " " + Str form of the reading number
  std::string tension;   // tension text + " N"
  std::string frequency; // frequency text + " Hz"
  std::string judgement; // "GOOD", "HIGH", "LOW" or ""
};
GridRowTexts MakeGridRow(std::int64_t readingNo, const ReadingTexts& texts, Judgement judgement);

// " 3,12.50,85.00,HIGH\r\n": Str form, tension, frequency, judgement, CR LF.
std::string RunLogLine(std::int64_t readingNo, const ReadingTexts& texts, Judgement judgement);

// Every reading is kept when the save type is exactly "false"; otherwise only
// GOOD readings are (an empty or unknown save type keeps only GOOD ones).
bool KeepInRunLog(std::string_view curSaveType, Judgement judgement);

} // namespace orva
