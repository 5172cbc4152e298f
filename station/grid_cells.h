// The readings grid's cells apart from the control that shows them: text and
// an optional text colour per cell, the current cell (MSFlexGrid Row/Col),
// and the geometry rules of the list beside its scroll bar.
#pragma once

#include "station/grid_scroll.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orva {

class GridCells {
public:
  static constexpr int kRows = kGridRows;
  static constexpr int kCols = kGridColumns;

  // Cells outside the grid are neither written nor read (empty text, no colour).
  void SetText(int row, int col, const std::wstring& text);
  const std::wstring& Text(int row, int col) const;

  void SetCurrent(int row, int col);
  int Row() const { return row_; }
  int Col() const { return col_; }

  // Fill style single: a colour goes to the current cell only (0x00BBGGRR).
  void SetCurrentColour(std::uint32_t colour);
  std::optional<std::uint32_t> Colour(int row, int col) const;

  void Clear();

private:
  struct Cell {
    std::wstring text;
    std::optional<std::uint32_t> colour;
  };
  static bool Valid(int row, int col) { return row >= 0 && row < kRows && col >= 0 && col < kCols; }
  Cell& At(int row, int col) { return cells_[static_cast<size_t>(row) * kCols + col]; }
  const Cell& At(int row, int col) const { return cells_[static_cast<size_t>(row) * kCols + col]; }

  std::vector<Cell> cells_ = std::vector<Cell>(static_cast<size_t>(kRows) * kCols);
  int row_ = 0, col_ = 0;
};

// The top row a list of rowCount rows can have with perPage rows in view:
// rows past the last full page cannot be at the top.
int ClampedTopRow(int row, int rowCount, int perPage);

// Column widths in pixels beside a vertical scroll bar only: the last column
// gives up what the columns are wider than the client area, so the list
// never grows a horizontal bar that would hide a row.
void FitLastColumn(std::span<int> widths, int clientWidth);

} // namespace orva
