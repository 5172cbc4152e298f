// A window moved to a monitor of another scaling: what WM_DPICHANGED must
// leave behind (places, fonts, the window's own value), for windows and
// dialogs of the toolkit's bases. Wine sends no such message on its own, so
// the tests send the one Windows would.
#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/dialog.h"
#include "winkit/font_cache.h"
#include "winkit/window.h"
#include "winkit/window_dpi.h"

#include <gtest/gtest.h>

#include <vector>

namespace winkit {
namespace {

// A frame with a button inside, a group box with an option beside it, a label.
constexpr ControlSpec kTable[] = {
    {10, ControlKind::Frame, 0, {150, 150, 3000, 1500}, 0},
    {11, ControlKind::Button, 10, {150, 300, 1200, 450}, BS_PUSHBUTTON},
    {20, ControlKind::GroupBox, 0, {3300, 150, 1500, 1500}, 0},
    {21, ControlKind::Option, 20, {150, 300, 1200, 300}, BS_AUTORADIOBUTTON},
    {30, ControlKind::Label, 0, {0, 3000, 1500, 300}, 0},
};

// Each control's place in its parent at `dpi`, from the table alone.
std::vector<RECT> ExpectedPlaces(Dpi dpi) {
  const std::vector<ControlPlacement> placements = ControlPlacements(kTable);
  std::vector<RECT> places;
  for (const ControlPlacement& p : placements) places.push_back(PixelRect(p.placed, dpi));
  return places;
}

void ExpectAtPlaces(const std::vector<HWND>& handles, Dpi dpi) {
  const std::vector<RECT> expected = ExpectedPlaces(dpi);
  ASSERT_EQ(handles.size(), expected.size());
  for (std::size_t i = 0; i < handles.size(); ++i) {
    const RECT r = RectInParent(handles[i]);
    EXPECT_EQ(r.left, expected[i].left) << "row " << i << " at " << dpi.x;
    EXPECT_EQ(r.top, expected[i].top) << "row " << i << " at " << dpi.x;
    EXPECT_EQ(r.right, expected[i].right) << "row " << i << " at " << dpi.x;
    EXPECT_EQ(r.bottom, expected[i].bottom) << "row " << i << " at " << dpi.x;
  }
}

int FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

// What Windows sends when the window reaches a monitor of `dpi`.
void SendDpiChange(HWND window, int dpi, RECT suggested) {
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

class ScalingHost : public Window {
public:
  bool Create() {
    static const WindowClass kClass{L"WinkitDpiHost"};
    if (!CreateWin(kClass, 0, WS_OVERLAPPEDWINDOW, L"host", 0, 0, 600, 400, nullptr, nullptr)) return false;
    if (!built.Build(Handle(), kTable, WindowDpi(Handle()))) return false;
    for (HWND control : built.Handles()) SetFont(control, CachedFont({L"Arial", 9}, WindowDpi(Handle())));
    return true;
  }
  BuiltControls built;
  std::vector<int> placedAt; // the values placeControls was called with
  RECT rectWhenPlaced{};     // the window's rectangle at that moment
  HFONT foreignFont = nullptr;

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg != WM_DPICHANGED) return Default(msg, wp, lp);
    TakeDpiChange(Handle(), wp, lp, [this](Dpi dpi) {
      placedAt.push_back(dpi.x);
      GetWindowRect(Handle(), &rectWhenPlaced);
      built.Place(dpi);
    });
    return 0;
  }
};

TEST(WinkitDpi, AMoveToAnotherScalingPlacesControlsAndFontsForIt) {
  ScalingHost host;
  ASSERT_TRUE(host.Create());
  const Dpi start = WindowDpi(host.Handle());
  ExpectAtPlaces(host.built.Handles(), start);
  RECT before{};
  GetWindowRect(host.Handle(), &before);

  SendDpiChange(host.Handle(), 192, {40, 30, 740, 530});
  EXPECT_EQ(host.placedAt, std::vector<int>{192});
  // The controls were placed before the window moved, so its size rules run last.
  EXPECT_EQ(host.rectWhenPlaced.right - host.rectWhenPlaced.left, before.right - before.left);
  RECT after{};
  GetWindowRect(host.Handle(), &after);
  EXPECT_EQ(after.left, 40);
  EXPECT_EQ(after.top, 30);
  EXPECT_EQ(after.right - after.left, 700);
  EXPECT_EQ(after.bottom - after.top, 500);

  // The new value is the window's, and its controls', at once.
  EXPECT_EQ(WindowDpi(host.Handle()).x, 192);
  EXPECT_EQ(WindowDpi(host.built.Handles()[1]).y, 192); // inside the frame
  ExpectAtPlaces(host.built.Handles(), Dpi{192, 192});
  for (HWND control : host.built.Handles()) EXPECT_EQ(FontHeight(control), -MulDiv(9, 192, 72));

  // Back, and to a scaling that does not divide evenly: the table's places,
  // not the last places scaled, so no rounding piles up.
  SendDpiChange(host.Handle(), 144, {40, 30, 940, 630});
  SendDpiChange(host.Handle(), 120, {40, 30, 790, 530});
  ExpectAtPlaces(host.built.Handles(), Dpi{120, 120});
  EXPECT_EQ(FontHeight(host.built.Handles()[4]), -MulDiv(9, 120, 72));
}

TEST(WinkitDpi, FontsTheCacheDidNotMakeAreLeftAlone) {
  ScalingHost host;
  ASSERT_TRUE(host.Create());
  const HWND label = host.built.Handles()[4];
  const HFONT own = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  SetFont(label, own);
  SendDpiChange(host.Handle(), 192, {0, 0, 1200, 800});
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), own);
  DestroyWindow(host.Handle());
  DeleteObject(own);
}

// A dialog of the toolkit's base: WM_DPICHANGED it leaves to the base places
// its controls and tells it afterwards.
class ScalingDialog : public Dialog {
public:
  INT_PTR Show(HWND owner) { return ShowModal(owner); }
  std::vector<int> told;
  bool placedWhenTold = false;

private:
  INT_PTR OnMessage(UINT msg, WPARAM, LPARAM) override {
    if (msg == WM_INITDIALOG) {
      SizeClient(5000, 4000);
      if (!BuildDialogControls(kTable)) End(-2);
      PostMessageW(Handle(), WM_APP, 0, 0);
      return TRUE;
    }
    if (msg == WM_APP) {
      SendDpiChange(Handle(), 192, {10, 10, 700, 600});
      ExpectAtPlaces(DialogControls(), Dpi{192, 192});
      EXPECT_EQ(DialogDpi().y, 192);
      End(1);
      return TRUE;
    }
    return FALSE;
  }
  void OnDpiChanged(Dpi dpi) override {
    told.push_back(dpi.y);
    placedWhenTold = RectInParent(DialogControls()[4]).top == ExpectedPlaces(dpi)[4].top;
  }
};

TEST(WinkitDpi, ADialogPlacesItsControlsAgainAndTellsItself) {
  ScalingDialog dialog;
  EXPECT_EQ(dialog.Show(nullptr), 1);
  EXPECT_EQ(dialog.told, std::vector<int>{192});
  EXPECT_TRUE(dialog.placedWhenTold);
}

} // namespace
} // namespace winkit
