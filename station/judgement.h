// Judging one reading against the limits, and the judgement colours.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orva {

enum class Judgement { Good, High, Low, None }; // None: the judged text is not numeric

// The limits a reading is judged against, read once from the two limit
// texts when they change: a text that is not numeric imposes no limit.
struct JudgingLimits {
  std::optional<double> high;
  std::optional<double> low;
};
JudgingLimits ReadLimits(std::string_view highLimitText, std::string_view lowLimitText);

// judgedText is the tension text in N mode, the frequency text in Hz mode.
// Strictly greater gives High, strictly less gives Low; Low is tested second
// and wins.
Judgement JudgeReading(std::string_view judgedText, const JudgingLimits& limits);

// "GOOD", "HIGH", "LOW" or "" for None.
const char* JudgementText(Judgement judgement);

// Colour of the judgement cell as 0x00BBGGRR: GOOD blue, HIGH red, else magenta.
std::uint32_t JudgementColour(Judgement judgement);

inline constexpr std::uint32_t kColourBlue = 0xFF0000;
inline constexpr std::uint32_t kColourRed = 0x0000FF;
inline constexpr std::uint32_t kColourMagenta = 0xFF00FF;

} // namespace orva
