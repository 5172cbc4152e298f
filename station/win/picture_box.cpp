#include "station/win/picture_box.h"

#include "winkit/selected_object.h"
#include "winkit/window.h"
#include "winkit/window_dpi.h"

#include <cmath>
#include <memory>

namespace orva {
namespace {

void DrawPulley(HDC dc, int cx, int cy, int r) {
  Ellipse(dc, cx - r, cy - r, cx + r, cy + r);
  Ellipse(dc, cx - r / 4, cy - r / 4, cx + r / 4, cy + r / 4);
}

// Shapes follow the picture's size; strokes follow the window's scaling.
void PaintPicture(HDC dc, const RECT& rc, int dpi) {
  const auto stroke = [dpi](int pixels) { return winkit::ScaledPixels(pixels, dpi); };
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  TRIVERTEX sky[2] = {{rc.left, rc.top, 0xF000, 0xF600, 0xFF00, 0},
                      {rc.right, rc.bottom, 0xC800, 0xDC00, 0xF400, 0}};
  GRADIENT_RECT span{0, 1};
  GradientFill(dc, sky, 2, &span, 1, GRADIENT_FILL_RECT_V);

  // Belt drive in the lower part: two pulleys, upper and lower belt strands.
  const int r = h * 20 / 100;
  const int cy = h * 70 / 100;
  const int left = w * 18 / 100, right = w * 82 / 100;
  {
    winkit::SelectedObject pen(dc, CreatePen(PS_SOLID, stroke(2), RGB(60, 60, 70)));
    winkit::SelectedObject brush(dc, CreateSolidBrush(RGB(170, 176, 190)));
    DrawPulley(dc, left, cy, r);
    DrawPulley(dc, right, cy, r);
  }
  {
    winkit::SelectedObject pen(dc, CreatePen(PS_SOLID, stroke(3), RGB(40, 40, 40)));
    MoveToEx(dc, left, cy + r, nullptr);
    LineTo(dc, right, cy + r);
    // The upper strand vibrates: a damped wave along it.
    const int span = right - left;
    MoveToEx(dc, left, cy - r, nullptr);
    for (int x = 0; x <= span; ++x) {
      const double t = static_cast<double>(x) / span;
      const double y = std::sin(t * 3.14159265) * std::sin(t * 3.14159265 * 7) * r * 0.35;
      LineTo(dc, left + x, cy - r + static_cast<int>(y));
    }
  }
  // Sensor head above the belt's middle and the sound wave it picks up.
  const int sx = w / 2, sy = h * 5 / 100;
  {
    winkit::SelectedObject pen(dc, CreatePen(PS_SOLID, stroke(1), RGB(20, 20, 20)));
    winkit::SelectedObject brush(dc, CreateSolidBrush(RGB(230, 120, 30)));
    RoundRect(dc, sx - w / 14, sy, sx + w / 14, sy + h / 8, stroke(6), stroke(6));
  }
  {
    winkit::SelectedObject pen(dc, CreatePen(PS_SOLID, stroke(2), RGB(20, 90, 200)));
    const winkit::SelectedFor noFill(dc, GetStockObject(NULL_BRUSH));
    const int top = sy + h / 8;
    const int belt = cy - r;
    for (int i = 1; i <= 3; ++i) {
      const int ry = (belt - top) * i / 4;
      const int rx = ry * 2 + w / 40;
      Arc(dc, sx - rx, top - ry, sx + rx, top + ry, sx - rx, top + 1, sx + rx, top + 1);
    }
  }
}

class PictureBox final : public winkit::Window {
public:
  HWND Create(HWND parent, int id, const RECT& px) {
    static const winkit::WindowClass kClass{L"OrvaPicture", CS_HREDRAW | CS_VREDRAW};
    return CreateWin(kClass, WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, L"", px.left, px.top, px.right - px.left,
                     px.bottom - px.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  }

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
    case WM_PAINT: return OnPaint();
    case WM_ERASEBKGND: return 1;
    default: return Default(msg, wp, lp);
    }
  }

  LRESULT OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    PaintPicture(dc, client, winkit::WindowDpi(Handle()).y);
    EndPaint(Handle(), &ps);
    return 0;
  }
};

} // namespace

HWND CreatePictureBox(HWND parent, int id, const RECT& px) {
  return winkit::CreateOwnedByWindow(std::make_unique<PictureBox>(), parent, id, px);
}

} // namespace orva
