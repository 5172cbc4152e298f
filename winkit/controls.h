// A window's controls as data: one table of ControlSpec rows (rectangles in
// twips) and one builder that creates them, containers before contents.
#pragma once

#include "winkit/enum_rows.h"
#include "winkit/twips.h"

#include <functional>
#include <span>
#include <vector>
#include <windows.h>

namespace winkit {

enum class ControlKind {
  Label,    // STATIC
  Button,   // BUTTON: push, option or check button by its style bits
  Option,   // BUTTON: an option button (style gives BS_RADIOBUTTON or BS_AUTORADIOBUTTON)
  Edit,     // EDIT with a sunken edge
  GroupBox, // BUTTON BS_GROUPBOX: drawn only; what it "holds" are its siblings
  Frame,    // the frame container (frame_window.h): a real parent window
  Custom,   // created by the caller's function (a grid, a picture)
};

// container: the id of an earlier row (0 = the window itself). Inside a Frame
// the rectangle is relative to the frame's client area; inside a GroupBox the
// control is the group box's sibling, placed relative to the group box.
// style: the class's own style bits plus WS_TABSTOP, WS_GROUP...; every
// control gets WS_CHILD | WS_VISIBLE.
struct ControlSpec {
  int id;
  ControlKind kind;
  int container;
  TwipRect rect;
  DWORD style;
};

// What a control is, for windows whose places stand in a layout table of
// their own (keyed by the same enum): one row per control, in the enum's
// order, checked with RowsInEnumOrder (enum_rows.h). The window joins each
// row with its place into a ControlSpec.
template <class Id>
struct ControlLook {
  Id id;
  ControlKind kind;
  DWORD style;
};

// Creates a Custom row; returns nullptr on failure.
using CustomControlFn = std::function<HWND(const ControlSpec& row, HWND parent, const RECT& pixels)>;

// Where a row sits: in the window (parentRow -1) or in an earlier row's
// window, at `placed`, in the twips of that parent. Empty when a row names a
// container that is not an earlier row.
struct ControlPlacement {
  int parentRow;
  TwipRect placed;
};
std::vector<ControlPlacement> ControlPlacements(std::span<const ControlSpec> table);

// Creates the table's controls in order, at `dpi`. Returns their handles in
// table order, or an empty vector when one could not be created (or names a
// container that is not an earlier row).
std::vector<HWND> BuildControls(HWND window, std::span<const ControlSpec> table, Dpi dpi,
                                const CustomControlFn& custom = {});

// Puts controls made by BuildControls from `table` at their places for `dpi`
// (a window moved to a monitor of another scaling).
void PlaceControls(std::span<const ControlSpec> table, std::span<const HWND> handles, Dpi dpi);

// A window's controls together with their table, so that they can be placed
// again at another scaling.
class BuiltControls {
public:
  // False when a control could not be made (Handles() is then empty).
  bool Build(HWND window, std::span<const ControlSpec> table, Dpi dpi, const CustomControlFn& custom = {});
  void Place(Dpi dpi) const;
  const std::vector<HWND>& Handles() const { return handles_; }

private:
  std::vector<ControlSpec> table_;
  std::vector<HWND> handles_;
};

} // namespace winkit
