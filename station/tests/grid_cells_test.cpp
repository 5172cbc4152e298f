#include "station/grid_cells.h"

#include <gtest/gtest.h>

#include <array>

namespace orva {
namespace {

TEST(GridCells, ColourGoesToTheCurrentCellOnlyAndClearEmptiesTextAndColour) {
  GridCells cells;
  cells.SetText(5, 2, L"85.00 Hz");
  cells.SetCurrent(5, 3);
  cells.SetCurrentColour(0xFF00FF);
  EXPECT_EQ(cells.Colour(5, 3), 0xFF00FFu);
  EXPECT_FALSE(cells.Colour(5, 2).has_value());
  EXPECT_EQ(cells.Text(5, 2), L"85.00 Hz");

  cells.Clear();
  EXPECT_EQ(cells.Text(5, 2), L"");
  EXPECT_FALSE(cells.Colour(5, 3).has_value());
  EXPECT_EQ(cells.Row(), 5) << "clearing keeps the current cell";
}

// The run screen writes row numbers it computed itself; one off the grid must
// neither corrupt a neighbour nor move the current cell.
TEST(GridCells, CellsOffTheGridAreIgnored) {
  GridCells cells;
  cells.SetCurrent(GridCells::kRows - 1, GridCells::kCols - 1);
  for (auto [row, col] : {std::pair{-1, 0}, {GridCells::kRows, 0}, {0, -1}, {0, GridCells::kCols}}) {
    cells.SetText(row, col, L"x");
    EXPECT_EQ(cells.Text(row, col), L"");
    EXPECT_FALSE(cells.Colour(row, col).has_value());
    cells.SetCurrent(row, col);
    EXPECT_EQ(cells.Row(), GridCells::kRows - 1);
    EXPECT_EQ(cells.Col(), GridCells::kCols - 1);
  }
  EXPECT_EQ(cells.Text(1, 0), L"") << "a column past the end is not the next row's first";
}

TEST(GridGeometry, TopRowStaysWhereAFullPageCanStillBeShown) {
  EXPECT_EQ(ClampedTopRow(-3, 2048, 20), 0);
  EXPECT_EQ(ClampedTopRow(40, 2048, 20), 40);
  EXPECT_EQ(ClampedTopRow(2047, 2048, 20), 2028);
  EXPECT_EQ(ClampedTopRow(2047, 2048, 0), 2047) << "a list too small for one row";
  EXPECT_EQ(ClampedTopRow(5, 10, 30), 0) << "every row in view";
}

TEST(GridGeometry, TheLastColumnGivesUpWhatTheColumnsAreWiderThanTheList) {
  std::array<int, 4> widths{70, 82, 82, 87};
  FitLastColumn(widths, 300);
  EXPECT_EQ(widths, (std::array<int, 4>{70, 82, 82, 66}));
  FitLastColumn(widths, 500);
  EXPECT_EQ(widths[3], 66) << "never widened";
  FitLastColumn(widths, 100);
  EXPECT_EQ(widths, (std::array<int, 4>{70, 82, 82, 0})) << "never negative";
}

} // namespace
} // namespace orva
