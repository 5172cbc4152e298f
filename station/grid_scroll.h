// Row bookkeeping of the readings grid: which row the next reading takes and
// how the grid scrolls to keep the latest reading in view.
#pragma once

#include <cstdint>

namespace orva {

inline constexpr int kGridRows = 2048;
inline constexpr int kGridColumns = 4;

// The 1-based row for the reading after the one in gridRow: gridRow + 1,
// wrapping to 1 past the grid's row count.
std::int32_t NextGridRow(std::int32_t gridRow, std::int32_t rowCount = kGridRows);

// Integer part of (grid height / row height) - 1, at least 1.
std::int32_t VisibleRows(double gridHeight, double rowHeight);

// The top row after a reading went to gridRow: 0 when gridRow is 1, topRow + 1
// when gridRow exceeds the visible rows, else topRow unchanged.
std::int32_t ScrolledTopRow(std::int32_t gridRow, std::int32_t topRow, std::int32_t visibleRows);

} // namespace orva
