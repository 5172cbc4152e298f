#include "winkit/selected_object.h"
#include "winkit/frame_window.h"

#include "winkit/held_font.h"
#include "winkit/window.h"

#include <memory>

namespace winkit {
namespace {

class FrameWindow final : public Window {
public:
  explicit FrameWindow(int borderStyle) : borderStyle_(borderStyle) {}

  HWND Create(HWND parent, int id, const RECT& px) {
    static const WindowClass kClass{L"OrvaFrame", CS_HREDRAW | CS_VREDRAW};
    return CreateWin(kClass, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                     L"", px.left, px.top, px.right - px.left, px.bottom - px.top, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  }

  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style) {
    borderStyle_ = style;
    InvalidateRect(Handle(), nullptr, TRUE);
  }

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (LRESULT result = 0; font_.OnMessage(Handle(), msg, wp, lp, result)) return result;
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return SendMessageW(GetAncestor(Handle(), GA_ROOT), msg, wp, lp);
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wp));
    case WM_PAINT: return OnPaint();
    case WM_SETTEXT: {
      const LRESULT r = Default(msg, wp, lp);
      InvalidateRect(Handle(), nullptr, TRUE);
      return r;
    }
    case WM_ENABLE:
      InvalidateRect(Handle(), nullptr, TRUE);
      return 0;
    default: return Default(msg, wp, lp);
    }
  }

  LRESULT OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }

  LRESULT OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (borderStyle_ != 0) PaintBorder(dc);
    EndPaint(Handle(), &ps);
    return 0;
  }

  void PaintBorder(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    wchar_t caption[256] = {};
    GetWindowTextW(Handle(), caption, 256);
    const SelectedFor font(dc, font_.Font() ? font_.Font() : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    RECT box = client;
    box.top += tm.tmHeight / 2;
    DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
    if (caption[0]) {
      SIZE size{};
      const int length = lstrlenW(caption);
      GetTextExtentPoint32W(dc, caption, length, &size);
      RECT text{8, 0, 8 + size.cx + 4, tm.tmHeight};
      FillRect(dc, &text, GetSysColorBrush(COLOR_BTNFACE));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(IsWindowEnabled(Handle()) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
      TextOutW(dc, 10, 0, caption, length);
    }
  }

  int borderStyle_;
  HeldFont font_;
};

} // namespace

HWND CreateFrameWindow(HWND parent, int id, const RECT& px, int borderStyle) {
  return CreateOwnedByWindow(std::make_unique<FrameWindow>(borderStyle), parent, id, px);
}

void SetFrameBorderStyle(HWND frame, int borderStyle) {
  if (auto* f = Window::FromHandle<FrameWindow>(frame)) f->SetBorderStyle(borderStyle);
}

int FrameBorderStyle(HWND frame) {
  const auto* f = Window::FromHandle<FrameWindow>(frame);
  return f ? f->BorderStyle() : 0;
}

} // namespace winkit
