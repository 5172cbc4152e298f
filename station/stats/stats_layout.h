// The statistics window as data: the figures as a grid of cells on the
// left (label column, then a value column for each quantity), the charts'
// panel on the right, the two buttons below the figures; all in twips. And
// where the window goes: beside the main window.
#pragma once

#include "winkit/twip_rect.h"

namespace orva {

inline constexpr int kStatsClientWidth = 10800, kStatsClientHeight = 6000;

// Rows of the figures' grid, top to bottom.
enum StatsRow : int {
  RowReadings, RowGood, RowHigh, RowLow, RowNotNumeric, RowGoodRate,
  RowQuantityHeads, RowMean, RowStdDev, RowMin, RowMax, RowRange,
  RowCapabilityHead, RowHighLimit, RowLowLimit, RowCp, RowCpk,
  StatsRowCount
};
inline constexpr int kStatsColumnCount = 3; // label, tension (or the only value), frequency

// The cell of a row and column; a capability heading spans all columns.
winkit::TwipRect StatsCellRect(int row, int column);
// Control id of a cell: unique per row and column.
constexpr int StatsCellId(int row, int column) { return 1000 + row * kStatsColumnCount + column; }

inline constexpr winkit::TwipRect kChartPanelRect{3990, 120, 6690, 5760};
inline constexpr winkit::TwipRect kCopyButtonRect{120, 5400, 1500, 375};
inline constexpr winkit::TwipRect kSavePictureButtonRect{1740, 5400, 1800, 375};
inline constexpr int kChartPanelId = 901, kCopyButtonId = 902, kSavePictureButtonId = 903;

struct ScreenBox {
  int left, top, right, bottom;
};

// Top-left corner of a window of the given size: right of the owner when it
// fits on the work area, else left of it, else at the work area's right
// edge; the owner's top, moved up or down to stay on the work area.
struct ScreenPoint {
  int x, y;
};
ScreenPoint PlaceBeside(const ScreenBox& owner, int width, int height, const ScreenBox& workArea);

} // namespace orva
