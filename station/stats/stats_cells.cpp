#include "station/stats/stats_cells.h"

#include "station/settings/text_table.h"
#include "station/stats/stats_layout.h"

namespace orva {
namespace {

// A typed text (a limit) with a tab or line break would split the table's cells.
std::string Cell(std::string text) {
  for (char& c : text)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return text;
}

bool IsQuantityRow(int row) { return row >= RowMean && row <= RowRange; }

std::string Label(std::string_view lang, const Allowance& allowance, int row) {
  switch (row) {
  case RowReadings: return PickText(lang, Text::StatsReadings);
  case RowGood: return JudgementText(Judgement::Good);
  case RowHigh: return JudgementText(Judgement::High);
  case RowLow: return JudgementText(Judgement::Low);
  case RowNotNumeric: return PickText(lang, Text::StatsNotNumeric);
  case RowGoodRate: return PickText(lang, Text::StatsGoodRate);
  case RowMean: return PickText(lang, Text::StatsMean);
  case RowStdDev: return PickText(lang, Text::StatsStdDev);
  case RowMin: return PickText(lang, Text::StatsMin);
  case RowMax: return PickText(lang, Text::StatsMax);
  case RowRange: return PickText(lang, Text::StatsRange);
  case RowCapabilityHead:
    return FillIn(PickText(lang, Text::StatsCapability), LimitUnitText(allowance.limitUnitMode), "");
  case RowHighLimit: return PickText(lang, Text::HighLimitTitle);
  case RowLowLimit: return PickText(lang, Text::LowLimitTitle);
  case RowCp: return "Cp";
  case RowCpk: return "Cpk";
  default: return {};
  }
}

const std::string* Value(const FigureTexts& f, const Allowance& allowance, int row, int column) {
  if (IsQuantityRow(row)) return &f.byQuantity[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(row - RowMean)];
  switch (row) {
  case RowReadings: return &f.readings;
  case RowGood: return &f.good;
  case RowHigh: return &f.high;
  case RowLow: return &f.low;
  case RowNotNumeric: return &f.notNumeric;
  case RowGoodRate: return &f.goodRate;
  case RowHighLimit: return &allowance.highText;
  case RowLowLimit: return &allowance.lowText;
  case RowCp: return &f.cp;
  case RowCpk: return &f.cpk;
  default: return nullptr;
  }
}

} // namespace

bool StatsCellExists(int row, int column) {
  if (row < 0 || row >= StatsRowCount || column < 0 || column >= kStatsColumnCount) return false;
  if (row == RowCapabilityHead) return column == 0;
  if (row == RowQuantityHeads) return column > 0;
  return column < 2 || IsQuantityRow(row);
}

std::string StatsCellText(std::string_view curLanguage, const FigureTexts& figures, const Allowance& allowance,
                          int row, int column) {
  if (!StatsCellExists(row, column)) return {};
  if (row == RowQuantityHeads) return PickText(curLanguage, column == 1 ? Text::StatsTension : Text::StatsFrequency);
  if (column == 0) return Label(curLanguage, allowance, row);
  const std::string* value = Value(figures, allowance, row, column);
  return value ? *value : std::string();
}

std::string FiguresTable(std::string_view curLanguage, const FigureTexts& figures, const Allowance& allowance) {
  std::string table;
  for (int row = 0; row < StatsRowCount; ++row) {
    if (row == RowQuantityHeads || row == RowCapabilityHead) table += "\r\n";
    int last = kStatsColumnCount - 1;
    while (last > 0 && !StatsCellExists(row, last)) --last;
    for (int column = 0; column <= last; ++column) {
      if (column > 0) table += '\t';
      table += Cell(StatsCellText(curLanguage, figures, allowance, row, column));
    }
    table += "\r\n";
  }
  return table;
}

} // namespace orva
