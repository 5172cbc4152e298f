// Row bookkeeping of the readings grid.
#include "station/grid_scroll.h"

#include <cmath>

namespace orva {

std::int32_t NextGridRow(std::int32_t gridRow, std::int32_t rowCount) {
  // Also wraps a row that is out of range (or a grid without rows) to the top.
  if (gridRow < 0 || gridRow >= rowCount) return 1;
  return gridRow + 1;
}

std::int32_t VisibleRows(double gridHeight, double rowHeight) {
  if (!(rowHeight > 0.0) || !(gridHeight > 0.0)) return 1;
  const double rows = std::floor(gridHeight / rowHeight) - 1.0;
  if (!(rows >= 1.0)) return 1;
  if (rows > 2147483647.0) return 2147483647;
  return static_cast<std::int32_t>(rows);
}

std::int32_t ScrolledTopRow(std::int32_t gridRow, std::int32_t topRow, std::int32_t visibleRows) {
  if (gridRow == 1) return 0;
  if (gridRow > visibleRows) return topRow + 1;
  return topRow;
}

} // namespace orva
