// Design layout of the main window (twips) and its resize rule.
#include "station/settings/main_layout.h"

#include <cmath>
#include <limits>

namespace orva {
namespace {

using C = MainControl;
using K = Container;

constexpr std::array<ControlPlacement, kMainControlCount> kDesign = {{
    {C::lblExe, K::Window, {240, 120, 1500, 255}},
    {C::lblDriver, K::Window, {1750, 120, 1500, 255}},
    {C::lblDiag, K::Window, {240, 360, 4935, 255}},
    {C::lblMeasure, K::Window, {1960, 705, 1600, 330}},
    {C::CmdErrorReset, K::Window, {3550, 700, 1600, 330}},
    {C::lblDisp, K::Window, {240, 1035, 1720, 330}},
    {C::cmdDispChange0, K::Window, {1960, 1035, 1600, 320}},
    {C::cmdDispChange1, K::Window, {3550, 1035, 1600, 320}},
    {C::MSFlexGridMsr, K::Window, {240, 1320, 4935, 4950}},
    {C::txtError, K::Window, {240, 1320, 4935, 4950}}, // lies exactly over the grid
    {C::frmCmd, K::Window, {5400, -90, 3855, 6400}},   // above the top: hides its border line
    {C::LblTitle, K::frmCmd, {120, 120, 3615, 495}},
    {C::frmMeasure, K::frmCmd, {120, 720, 3615, 4095}},
    {C::Picture1, K::frmCmd, {120, 5160, 3615, 1095}},
    {C::cmdStart, K::frmMeasure, {360, 240, 1215, 375}},
    {C::cmdEnd, K::frmMeasure, {1920, 240, 1215, 375}},
    {C::frmLimit, K::frmMeasure, {360, 720, 2775, 615}},
    {C::OptLimitMode0, K::frmLimit, {120, 240, 255, 255}},
    {C::lblForce, K::frmLimit, {420, 270, 495, 255}},
    {C::OptLimitMode1, K::frmLimit, {1560, 240, 255, 255}},
    {C::lblHz, K::frmLimit, {1860, 270, 855, 255}},
    {C::lblHighTitle, K::frmMeasure, {480, 1500, 855, 255}},
    {C::txtLimitHigh, K::frmMeasure, {1320, 1440, 975, 270}},
    {C::lblHigh, K::frmMeasure, {2400, 1500, 615, 255}},
    {C::lblLowTitle, K::frmMeasure, {480, 1845, 855, 255}},
    {C::txtLimitLow, K::frmMeasure, {1320, 1800, 975, 270}},
    {C::lblLow, K::frmMeasure, {2400, 1850, 495, 255}},
    {C::lblPrintTitle, K::frmMeasure, {360, 2280, 1095, 255}},
    {C::txtPrintTitle, K::frmMeasure, {360, 2520, 2895, 495}},
    {C::cmdSave, K::frmMeasure, {360, 3120, 975, 375}},
    {C::CmdExit, K::frmMeasure, {2280, 3120, 975, 375}},
    {C::cmdPrint, K::frmMeasure, {360, 3600, 975, 375}},
    {C::lblAllowanceName, K::frmCmd, {120, 4860, 3615, 255}}, // between frmMeasure and Picture1
}};

constexpr bool DesignInEnumOrder() {
  for (std::size_t i = 0; i < kDesign.size(); ++i)
    if (static_cast<std::size_t>(kDesign[i].control) != i) return false;
  return true;
}
static_assert(DesignInEnumOrder(), "PlacementOf indexes the table by control");

// Nearest whole number, halves to the even neighbour, whatever the
// floating-point rounding mode happens to be.
double RoundHalfEven(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;
  if (fraction > 0.5) return below + 1.0;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

int ToTwips(double x) {
  // Guards the conversion: a wild scale factor must not become undefined behaviour.
  constexpr double kMax = std::numeric_limits<int>::max();
  if (!(x >= 0.0)) return 0;
  return x >= kMax ? std::numeric_limits<int>::max() : static_cast<int>(x);
}

} // namespace

const std::array<ControlPlacement, kMainControlCount>& MainWindowDesign() { return kDesign; }

const ControlPlacement& PlacementOf(MainControl control) {
  const auto index = static_cast<std::size_t>(control);
  return kDesign[index < kDesign.size() ? index : 0];
}

double GridHeightFor(double outerHeight, const LayoutBaselines& base) {
  double h = outerHeight;
  // Shorter than the grid can absorb: the grid keeps its design height.
  if (h + base.DispHeight < base.MainFormHeight) h = base.MainFormHeight;
  return h + base.DispHeight - base.MainFormHeight;
}

HorizontalLayout HorizontalLayoutFor(double outerWidth, const LayoutBaselines& base) {
  if (!(outerWidth > base.MainFormWidth)) return {base.frmCmdLeft, base.DispWidth, false};
  const double extra = outerWidth - base.MainFormWidth;
  return {base.frmCmdLeft + extra, base.DispWidth + extra, true};
}

MainResizePixels MainResizeAt(int outerWidth, int outerHeight, int dpiX, int dpiY, const LayoutBaselines& base) {
  const HorizontalLayout across = HorizontalLayoutFor(winkit::PixelsToTwips(outerWidth, dpiX), base);
  const double height = GridHeightFor(winkit::PixelsToTwips(outerHeight, dpiY), base);
  return {winkit::TwipsToPixels(across.gridWidth, dpiX), winkit::TwipsToPixels(height, dpiY),
          winkit::TwipsToPixels(across.frmCmdLeft, dpiX), across.scaled};
}

std::array<int, 4> ScaledColumnWidths(double r) {
  std::array<int, 4> widths{};
  for (std::size_t i = 0; i < widths.size(); ++i)
    widths[i] = ToTwips(RoundHalfEven(kBaseColumnWidths[i] * r));
  return widths;
}

} // namespace orva
