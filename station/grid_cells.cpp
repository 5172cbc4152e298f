#include "station/grid_cells.h"

namespace orva {
namespace {

const std::wstring kNoText;

} // namespace

void GridCells::SetText(int row, int col, const std::wstring& text) {
  if (Valid(row, col)) At(row, col).text = text;
}

const std::wstring& GridCells::Text(int row, int col) const { return Valid(row, col) ? At(row, col).text : kNoText; }

void GridCells::SetCurrent(int row, int col) {
  if (!Valid(row, col)) return;
  row_ = row;
  col_ = col;
}

void GridCells::SetCurrentColour(std::uint32_t colour) { At(row_, col_).colour = colour; }

std::optional<std::uint32_t> GridCells::Colour(int row, int col) const {
  return Valid(row, col) ? At(row, col).colour : std::nullopt;
}

void GridCells::Clear() {
  for (Cell& cell : cells_) {
    cell.text.clear();
    cell.colour.reset();
  }
}

int ClampedTopRow(int row, int rowCount, int perPage) {
  const int highest = perPage >= rowCount ? 0 : rowCount - (perPage > 0 ? perPage : 1);
  return row < 0 ? 0 : (row > highest ? highest : row);
}

void FitLastColumn(std::span<int> widths, int clientWidth) {
  if (widths.empty()) return;
  int total = 0;
  for (int w : widths) total += w;
  const int excess = total - clientWidth;
  int& last = widths.back();
  if (excess > 0) last = last > excess ? last - excess : 0;
}

} // namespace orva
