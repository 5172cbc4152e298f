// Judging one reading against the limit boxes.
#include "station/judgement.h"

#include "station/numeric_text.h"

namespace orva {

Judgement JudgeReading(std::string_view judgedText, std::string_view highLimitText,
                       std::string_view lowLimitText) {
  const auto value = ParseNumericText(judgedText);
  if (!value) return Judgement::None;
  Judgement judgement = Judgement::Good;
  // Limits are read at every reading; a box that is not numeric imposes none.
  if (const auto high = ParseNumericText(highLimitText); high && *value > *high)
    judgement = Judgement::High;
  // Tested second on purpose: with crossed limits (editable after STOP) LOW wins.
  if (const auto low = ParseNumericText(lowLimitText); low && *value < *low)
    judgement = Judgement::Low;
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
