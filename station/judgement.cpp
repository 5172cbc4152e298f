// Judging one reading against the limits.
#include "station/judgement.h"

#include "station/numeric_text.h"

namespace orva {

JudgingLimits ReadLimits(std::string_view highLimitText, std::string_view lowLimitText) {
  return {ParseNumericText(highLimitText), ParseNumericText(lowLimitText)};
}

Judgement JudgeReading(std::string_view judgedText, const JudgingLimits& limits) {
  const auto value = ParseNumericText(judgedText);
  if (!value) return Judgement::None;
  Judgement judgement = Judgement::Good;
  if (limits.high && *value > *limits.high) judgement = Judgement::High;
  // Tested second on purpose: with crossed limits (editable after STOP) LOW wins.
  if (limits.low && *value < *limits.low) judgement = Judgement::Low;
  return judgement;
}

const char* JudgementText(Judgement judgement) {
  switch (judgement) {
  case Judgement::Good: return "GOOD";
  case Judgement::High: return "HIGH";
  case Judgement::Low: return "LOW";
  case Judgement::None: break;
  }
  return "";
}

std::uint32_t JudgementColour(Judgement judgement) {
  switch (judgement) {
  case Judgement::Good: return kColourBlue;
  case Judgement::High: return kColourRed;
  default: return kColourMagenta;
  }
}

} // namespace orva
