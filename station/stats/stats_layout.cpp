#include "station/stats/stats_layout.h"

#include <algorithm>

namespace orva {
namespace {

constexpr int kLeft = 120, kTop = 120, kRowHeight = 285, kBlockGap = 150;
constexpr int kLabelWidth = 1350, kValueWidth = 1200;

} // namespace

winkit::TwipRect StatsCellRect(int row, int column) {
  const int gaps = (row >= RowQuantityHeads ? 1 : 0) + (row >= RowCapabilityHead ? 1 : 0);
  const int top = kTop + row * kRowHeight + gaps * kBlockGap;
  if (row == RowCapabilityHead) return {kLeft, top, kLabelWidth + 2 * kValueWidth, kRowHeight};
  const int left = column == 0 ? kLeft : kLeft + kLabelWidth + (column - 1) * kValueWidth;
  return {left, top, column == 0 ? kLabelWidth : kValueWidth, kRowHeight};
}

ScreenPoint PlaceBeside(const ScreenBox& owner, int width, int height, const ScreenBox& workArea) {
  int x = owner.right;
  if (x + width > workArea.right) x = owner.left - width;
  if (x < workArea.left) x = workArea.right - width;
  x = std::max(x, workArea.left);
  const int y = std::max(std::min(owner.top, workArea.bottom - height), workArea.top);
  return {x, y};
}

} // namespace orva
