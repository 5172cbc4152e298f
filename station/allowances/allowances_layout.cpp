#include "station/allowances/allowances_layout.h"

#include <array>

namespace orva {
namespace {

constexpr int kButtonLeft = 6600, kButtonWidth = 1680, kButtonHeight = 375, kButtonStep = 435;
constexpr winkit::TwipRect Button(int row) { return {kButtonLeft, 120 + row * kButtonStep, kButtonWidth, kButtonHeight}; }

constexpr std::array<winkit::TwipRect, static_cast<std::size_t>(AllowancesCtl::Count)> kAllowances = {{
    {120, 120, 6360, 3720}, // the list
    Button(0),              // Use
    Button(2), Button(3), Button(4), // New, Edit, Delete (a gap below Use)
    Button(5), Button(6),            // Move Up, Move Down
    Button(7), Button(8),            // Import, Export
    {kButtonLeft, 4665, kButtonWidth, kButtonHeight}, // Close
    {120, 3960, 6360, 1080}, // the import report
}};

constexpr int kLabelLeft = 120, kLabelWidth = 1320, kBoxLeft = 1500, kBoxWidth = 3780;
constexpr std::array<winkit::TwipRect, static_cast<std::size_t>(EntryCtl::Count)> kEntry = {{
    {kLabelLeft, 165, kLabelWidth, 255}, {kBoxLeft, 120, kBoxWidth, 300},  // name
    {kLabelLeft, 525, kLabelWidth, 255}, {kBoxLeft, 510, 900, 255}, {2520, 510, 900, 255}, // unit: N, Hz
    {kLabelLeft, 885, kLabelWidth, 255}, {kBoxLeft, 840, 1500, 300},  // high
    {kLabelLeft, 1245, kLabelWidth, 255}, {kBoxLeft, 1200, 1500, 300}, // low
    {kLabelLeft, 1605, kLabelWidth, 255}, {kBoxLeft, 1560, kBoxWidth, 300}, // print title
    {2400, 2280, 1335, 375}, {3945, 2280, 1335, 375}, // OK, Cancel
}};

} // namespace

winkit::TwipRect AllowancesRect(AllowancesCtl control) { return kAllowances.at(static_cast<std::size_t>(control)); }
winkit::TwipRect EntryRect(EntryCtl control) { return kEntry.at(static_cast<std::size_t>(control)); }

AllowancesButtons ButtonsFor(std::optional<std::size_t> selected, std::size_t count, bool limitsEditable) {
  AllowancesButtons b;
  b.exportList = count > 0;
  if (!selected || *selected >= count) return b;
  b.use = limitsEditable;
  b.edit = b.remove = true;
  b.moveUp = *selected > 0;
  b.moveDown = *selected + 1 < count;
  return b;
}

} // namespace orva
