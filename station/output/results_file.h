// The results file that the save command writes: seven header lines (print
// title, limits, column names) followed by the run log copied line by line.
// Texts here are UTF-8; the Win32 shell turns the whole file into ANSI bytes,
// except the copied run-log lines, which are ANSI already and pass untouched.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orva {

// What the save dialog is given.
inline constexpr char kResultsFilter[] = " (*.*)|*.*| (*.txt)|*.txt| (*.csv)|*.csv";
inline constexpr char kResultsDefaultName[] = "temp.csv";
inline constexpr int kResultsFilterIndex = 3; // the csv entry
inline constexpr std::uint32_t kCreatePromptFlag = 0x2000;

inline constexpr char kResultsLineEnd[] = "\r\n";

// "High Limit 80N   Low  Limit 60N": labels in the current language, the
// limit texts as typed, the unit "Hz" for LimitUnitMode 1, else "N".
std::string LimitsLine(std::string_view curLanguage, std::string_view limitHigh,
                       std::string_view limitLow, std::int16_t limitUnitMode);

struct ResultsHeaderInput {
  std::string_view curLanguage;
  std::string_view printTitle;
  std::string_view limitHigh;
  std::string_view limitLow;
  std::int16_t limitUnitMode = 0;
};

// Lines 1 to 7, each ending with CR LF.
std::string ResultsHeader(const ResultsHeaderInput& in);

// The run log's lines, each ended with CR LF whatever ended it in the run
// log (CR LF, CR or LF, or nothing on a last line); bytes otherwise as they are.
std::string ResultsBody(std::string_view runLog);

// The bar-separated filter in the dialog's form: NUL between the parts and a
// second NUL at the end.
std::string DialogFilter(std::string_view barFilter);

// "<full name> has already existed.\roverwrite it ?" (CR alone) and its
// title, in the current language.
std::string OverwriteQuestion(std::string_view curLanguage, std::string_view fullName);
std::string OverwriteTitle(std::string_view curLanguage);

} // namespace orva
