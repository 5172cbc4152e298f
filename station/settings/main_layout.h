// Layout of the main window as data (twips), and the resize rule that keeps
// the command column at the right edge and lets the readings grid grow.
#pragma once

#include "station/main_controls.h"
#include "winkit/twip_rect.h"

#include <array>

namespace orva {

// Containers: a control is placed relative to its container's client area.
enum class Container { Window, frmCmd, frmMeasure, frmLimit };

// The frame control a container stands for (not Window).
constexpr MainControl ContainerControl(Container c) {
  return c == Container::frmCmd ? MainControl::frmCmd
         : c == Container::frmMeasure ? MainControl::frmMeasure
                                      : MainControl::frmLimit;
}

struct ControlPlacement {
  MainControl control;
  Container container;
  winkit::TwipRect rect;
};

// Design client area of the main window.
inline constexpr int kMainClientWidth = 9465;
inline constexpr int kMainClientHeight = 6450;

// Every control of the main window at its design place, in creation order
// (containers before their contents).
const std::array<ControlPlacement, kMainControlCount>& MainWindowDesign();
const ControlPlacement& PlacementOf(MainControl control);

inline constexpr std::array<int, 4> kBaseColumnWidths = {1050, 1230, 1230, 1300};

// Load-time sizes in twips, recorded once.
struct LayoutBaselines {
  double MainFormHeight; // outer height of the window
  double MainFormWidth;  // outer width
  double DispHeight;     // grid height
  double DispWidth;      // grid width
  double frmCmdLeft;     // left edge of the command frame
};

// Height of the grid and the alarm box for the window's outer height.
double GridHeightFor(double outerHeight, const LayoutBaselines& base);

struct HorizontalLayout {
  double frmCmdLeft;
  double gridWidth; // also the alarm box's width
  bool scaled;      // wider than at load: the columns scale by read-back width / DispWidth
};
HorizontalLayout HorizontalLayoutFor(double outerWidth, const LayoutBaselines& base);

// The resize rule on a monitor of `dpiX` × `dpiY` pixels per inch, for a
// window of the given outer size in those pixels: the grid's (and the alarm
// box's) size and the command frame's left edge in the same pixels. The
// baselines are twips, so one recording serves every scaling.
struct MainResizePixels {
  int gridWidth, gridHeight;
  int frmCmdLeft;
  bool scaled; // as HorizontalLayout::scaled
};
MainResizePixels MainResizeAt(int outerWidth, int outerHeight, int dpiX, int dpiY, const LayoutBaselines& base);

// Column widths for scale factor r, each rounded to the nearest twip with
// halves going to the even neighbour.
std::array<int, 4> ScaledColumnWidths(double r);

} // namespace orva
