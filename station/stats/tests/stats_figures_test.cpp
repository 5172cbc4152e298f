// Figures as text: the decimal sign and decimals whatever the locale, the
// mark for what is not defined, and the clipboard's table read back as rows
// of cells.
#include "station/stats/figure_format.h"
#include "station/stats/stats_cells.h"
#include "station/stats/stats_figures.h"
#include "station/stats/stats_layout.h"

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <string>
#include <vector>

namespace orva {
namespace {

TEST(FigureFormat, FixedDecimalsWithAPoint) {
  struct Case {
    std::optional<double> value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {12.346, 2, "12.35"}, {12.5, 3, "12.500"}, {1234567.25, 1, "1234567.2"}, {85.0, 0, "85"},
      {-0.001, 2, "0.00"},  {-0.006, 2, "-0.01"}, {-3.25, 2, "-3.25"},       {std::nullopt, 2, kUndefinedFigure},
      {HUGE_VAL, 2, kUndefinedFigure}, {NAN, 1, kUndefinedFigure},
  };
  // A locale with a decimal comma, where the machine has one, must not leak in.
  const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  for (const Case& c : cases) EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.text << " comma " << comma;
  std::setlocale(LC_ALL, "C");
}

TEST(FigureFormat, DecimalsOfAReadingText) {
  EXPECT_EQ(DecimalsOfText("12.50"), 2);
  EXPECT_EQ(DecimalsOfText(" 85.1"), 1);
  EXPECT_EQ(DecimalsOfText("12"), 0);
  EXPECT_EQ(DecimalsOfText("12."), 0);
  EXPECT_EQ(DecimalsOfText("1.5e2"), 1);
}

std::vector<std::vector<std::string>> Cells(const std::string& table) {
  std::vector<std::vector<std::string>> rows;
  std::size_t at = 0;
  while (at < table.size()) {
    const std::size_t end = table.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "every row ends with CR LF";
    if (end == std::string::npos) break;
    std::vector<std::string> row;
    std::stringstream line(table.substr(at, end - at));
    for (std::string cell; std::getline(line, cell, '\t');) row.push_back(cell);
    rows.push_back(row);
    at = end + 2;
  }
  return rows;
}

// The row whose first cell is `label`.
std::vector<std::string> RowOf(const std::vector<std::vector<std::string>>& rows, const std::string& label) {
  for (const auto& row : rows)
    if (!row.empty() && row[0] == label) return row;
  ADD_FAILURE() << "no row " << label;
  return {};
}

RunStatistics SmallRun() {
  RunStatistics s;
  s.Add(1, {"12.40", "85.0 "}, Judgement::Good);
  s.Add(2, {"12.60", "86.0 "}, Judgement::Good);
  s.Add(3, {"13.20", "88.0 "}, Judgement::High);
  s.Add(4, {"-----", "80.0 "}, Judgement::None);
  return s;
}

TEST(StatsFigures, ShownFiguresFollowTheReadingsDecimals) {
  const FigureTexts t = MakeFigureTexts(SmallRun(), {"13.00", "12.00", 0});
  EXPECT_EQ(t.readings, "4");
  EXPECT_EQ(t.good, "2");
  EXPECT_EQ(t.high, "1");
  EXPECT_EQ(t.low, "0");
  EXPECT_EQ(t.notNumeric, "1");
  EXPECT_EQ(t.goodRate, "50.0");
  const auto& n = t.byQuantity[0];
  EXPECT_EQ(n[static_cast<int>(Figure::Mean)], "12.733"); // (12.4 + 12.6 + 13.2) / 3
  EXPECT_EQ(n[static_cast<int>(Figure::StdDev)], "0.416");
  EXPECT_EQ(n[static_cast<int>(Figure::Min)], "12.40");
  EXPECT_EQ(n[static_cast<int>(Figure::Max)], "13.20");
  EXPECT_EQ(n[static_cast<int>(Figure::Range)], "0.80");
  const auto& hz = t.byQuantity[1];
  EXPECT_EQ(hz[static_cast<int>(Figure::Mean)], "84.75");
  EXPECT_EQ(hz[static_cast<int>(Figure::Range)], "8.0");
  // In N against 12..13: Cp = 1 / (6 * 0.4163) = 0.40, Cpk = 0.267 / (3 * 0.4163) = 0.21.
  EXPECT_EQ(t.cp, "0.40");
  EXPECT_EQ(t.cpk, "0.21");
  // In Hz against the same limit texts the mean lies far above: Cpk negative.
  const FigureTexts hzTexts = MakeFigureTexts(SmallRun(), {"13.00", "12.00", 1});
  EXPECT_EQ(hzTexts.cpk.front(), '-');

  const FigureTexts empty = MakeFigureTexts(RunStatistics{}, {"13", "12", 0});
  EXPECT_EQ(empty.readings, "0");
  EXPECT_EQ(empty.goodRate, kUndefinedFigure);
  EXPECT_EQ(empty.byQuantity[1][static_cast<int>(Figure::Mean)], kUndefinedFigure);
  EXPECT_EQ(empty.cp, kUndefinedFigure);
}

TEST(StatsFigures, TableOfTheClipboardReadsBackAsCells) {
  const Allowance allowance{"13.00\t", "12.00", 0};
  const auto rows = Cells(FiguresTable("english", MakeFigureTexts(SmallRun(), allowance), allowance));
  EXPECT_EQ(RowOf(rows, "Readings"), (std::vector<std::string>{"Readings", "4"}));
  EXPECT_EQ(RowOf(rows, "HIGH"), (std::vector<std::string>{"HIGH", "1"}));
  EXPECT_EQ(RowOf(rows, "GOOD rate (%)"), (std::vector<std::string>{"GOOD rate (%)", "50.0"}));
  EXPECT_EQ(RowOf(rows, ""), (std::vector<std::string>{"", "Tension (N)", "Frequency (Hz)"}));
  EXPECT_EQ(RowOf(rows, "Mean"), (std::vector<std::string>{"Mean", "12.733", "84.75"}));
  EXPECT_EQ(RowOf(rows, "Range"), (std::vector<std::string>{"Range", "0.80", "8.0"}));
  EXPECT_EQ(RowOf(rows, "High Limit "), (std::vector<std::string>{"High Limit ", "13.00 "}))
      << "a tab typed into a limit must not open a cell";
  EXPECT_EQ(RowOf(rows, "Cpk"), (std::vector<std::string>{"Cpk", "0.21"}));
  EXPECT_EQ(RowOf(rows, "Capability against the allowance (N)").size(), 1u);

  const auto japanese = Cells(FiguresTable("", MakeFigureTexts(SmallRun(), allowance), allowance));
  EXPECT_EQ(RowOf(japanese, "平均").size(), 3u);
  EXPECT_EQ(japanese.size(), rows.size());
}

TEST(StatsLayout, CellsStayApartAndLeftOfTheCharts) {
  std::vector<winkit::TwipRect> cells;
  for (int row = 0; row < StatsRowCount; ++row)
    for (int column = 0; column < (row == RowCapabilityHead ? 1 : kStatsColumnCount); ++column)
      cells.push_back(StatsCellRect(row, column));
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const auto& a = cells[i];
    EXPECT_LE(a.left + a.width, kChartPanelRect.left) << i;
    EXPECT_LE(a.top + a.height, kCopyButtonRect.top) << i;
    for (std::size_t j = i + 1; j < cells.size(); ++j) {
      const auto& b = cells[j];
      const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                         a.top + a.height <= b.top || b.top + b.height <= a.top;
      EXPECT_TRUE(apart) << i << " and " << j << " overlap";
    }
  }
  EXPECT_LE(kChartPanelRect.top + kChartPanelRect.height, kStatsClientHeight);
  EXPECT_LE(kChartPanelRect.left + kChartPanelRect.width, kStatsClientWidth);
}

TEST(StatsLayout, PlacedBesideTheMainWindow) {
  const ScreenBox work{0, 0, 1024, 738};
  struct Case {
    ScreenBox owner;
    int x, y;
  };
  const Case cases[] = {
      {{10, 20, 410, 520}, 410, 20},   // room on the right
      {{600, 20, 1000, 520}, 200, 20}, // none on the right: left of it
      {{100, 20, 900, 520}, 624, 20},  // neither: at the work area's right edge
      {{10, 500, 410, 900}, 410, 338}, // moved up to stay on the work area
      {{10, -50, 410, 300}, 410, 0},   // and down
  };
  for (const Case& c : cases) {
    const ScreenPoint p = PlaceBeside(c.owner, 400, 400, work);
    EXPECT_EQ(p.x, c.x) << c.owner.left;
    EXPECT_EQ(p.y, c.y) << c.owner.top;
  }
}

} // namespace
} // namespace orva
