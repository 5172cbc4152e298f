// Judging one reading against the limit boxes, and the judgement colours.
#pragma once

#include <cstdint>
#include <string_view>

namespace orva {

enum class Judgement { Good, High, Low, None }; // None: the judged text is not numeric

// judgedText is the tension text in N mode, the frequency text in Hz mode.
// A limit text that is not numeric imposes no limit. Strictly greater gives
// High, strictly less gives Low; Low is tested second and wins.
Judgement JudgeReading(std::string_view judgedText, std::string_view highLimitText,
                       std::string_view lowLimitText);

// "GOOD", "HIGH", "LOW" or "" for None.
const char* JudgementText(Judgement judgement);

// Colour of the judgement cell as 0x00BBGGRR: GOOD blue, HIGH red, else magenta.
std::uint32_t JudgementColour(Judgement judgement);

inline constexpr std::uint32_t kColourBlue = 0xFF0000;
inline constexpr std::uint32_t kColourRed = 0x0000FF;
inline constexpr std::uint32_t kColourMagenta = 0xFF00FF;

} // namespace orva
