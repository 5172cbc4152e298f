#include "station/stats/stats_figures.h"

#include "station/output/print_progress.h"
#include "station/settings/text_table.h"
#include "station/stats/capability.h"
#include "station/stats/figure_format.h"

namespace orva {
namespace {

constexpr int kMaxShownDecimals = 6;

std::array<std::string, kFigureCount> QuantityFigures(const RunStatistics& stats, Quantity quantity) {
  const RunningMoments& m = stats.Moments(quantity);
  const int decimals = std::min(stats.Decimals(quantity), kMaxShownDecimals);
  return {FormatFixed(m.Mean(), decimals + 1), FormatFixed(m.SampleStdDev(), decimals + 1),
          FormatFixed(m.Min(), decimals), FormatFixed(m.Max(), decimals), FormatFixed(m.Range(), decimals)};
}

// A typed text (a limit) with a tab or line break would split the table's cells.
std::string Cell(std::string_view text) {
  std::string cell(text);
  for (char& c : cell)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return cell;
}

std::string Row(std::string_view label, std::string_view value) {
  return std::string(label) + "\t" + std::string(value) + "\r\n";
}

} // namespace

const char* LimitUnitName(int limitUnitMode) { return limitUnitMode == 1 ? "Hz" : "N"; }

FigureTexts MakeFigureTexts(const RunStatistics& stats, const Allowance& allowance) {
  FigureTexts t;
  t.readings = std::to_string(stats.Readings());
  t.good = std::to_string(stats.CountOf(Judgement::Good));
  t.high = std::to_string(stats.CountOf(Judgement::High));
  t.low = std::to_string(stats.CountOf(Judgement::Low));
  t.notNumeric = std::to_string(stats.CountOf(Judgement::None));
  t.goodRate = FormatFixed(stats.GoodRatePercent(), 1);
  t.byQuantity[0] = QuantityFigures(stats, Quantity::Tension);
  t.byQuantity[1] = QuantityFigures(stats, Quantity::Frequency);
  const Capability c = CapabilityAgainst(stats.Moments(QuantityOfUnit(allowance.limitUnitMode)),
                                         allowance.highText, allowance.lowText);
  t.cp = FormatFixed(c.cp, 2);
  t.cpk = FormatFixed(c.cpk, 2);
  return t;
}

std::string FiguresTable(std::string_view curLanguage, const FigureTexts& figures, const Allowance& allowance) {
  static constexpr std::array<Text, kFigureCount> kFigureLabels = {Text::StatsMean, Text::StatsStdDev,
                                                                  Text::StatsMin, Text::StatsMax, Text::StatsRange};
  std::string table;
  table += Row(PickText(curLanguage, Text::StatsReadings), figures.readings);
  table += Row(JudgementText(Judgement::Good), figures.good);
  table += Row(JudgementText(Judgement::High), figures.high);
  table += Row(JudgementText(Judgement::Low), figures.low);
  table += Row(PickText(curLanguage, Text::StatsNotNumeric), figures.notNumeric);
  table += Row(PickText(curLanguage, Text::StatsGoodRate), figures.goodRate);
  table += "\r\n";
  table += "\t" + PickText(curLanguage, Text::StatsTension) + "\t" + PickText(curLanguage, Text::StatsFrequency) +
           "\r\n";
  for (std::size_t f = 0; f < kFigureCount; ++f)
    table += Row(PickText(curLanguage, kFigureLabels[f]), figures.byQuantity[0][f] + "\t" + figures.byQuantity[1][f]);
  table += "\r\n";
  table += FillIn(PickText(curLanguage, Text::StatsCapability), LimitUnitName(allowance.limitUnitMode), "") + "\r\n";
  table += Row(PickText(curLanguage, Text::HighLimitTitle), Cell(allowance.highText));
  table += Row(PickText(curLanguage, Text::LowLimitTitle), Cell(allowance.lowText));
  table += Row("Cp", figures.cp);
  table += Row("Cpk", figures.cpk);
  return table;
}

} // namespace orva
