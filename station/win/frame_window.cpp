#include "frame_window.h"

namespace orva {
namespace {

constexpr wchar_t kFrameClass[] = L"OrvaFrame";
constexpr int kFontSlot = 0;
constexpr int kBorderSlot = sizeof(LONG_PTR);

HFONT FrameFont(HWND w) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(w, kFontSlot)); }

void PaintFrame(HWND w, HDC dc) {
  RECT client;
  GetClientRect(w, &client);
  if (FrameBorderStyle(w) == 0) return;
  wchar_t caption[256] = {};
  GetWindowTextW(w, caption, 256);
  HGDIOBJ oldFont = SelectObject(dc, FrameFont(w) ? FrameFont(w) : GetStockObject(DEFAULT_GUI_FONT));
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
    SetTextColor(dc, GetSysColor(IsWindowEnabled(w) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    TextOutW(dc, 10, 0, caption, length);
  }
  SelectObject(dc, oldFont);
}

LRESULT CALLBACK FrameProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_COMMAND:
  case WM_NOTIFY:
  case WM_DRAWITEM:
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLORLISTBOX:
    return SendMessageW(GetAncestor(w, GA_ROOT), msg, wp, lp);
  case WM_ERASEBKGND: {
    RECT client;
    GetClientRect(w, &client);
    FillRect(reinterpret_cast<HDC>(wp), &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  case WM_PAINT: {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    PaintFrame(w, dc);
    EndPaint(w, &ps);
    return 0;
  }
  case WM_SETFONT:
    SetWindowLongPtrW(w, kFontSlot, static_cast<LONG_PTR>(wp));
    if (LOWORD(lp)) InvalidateRect(w, nullptr, TRUE);
    return 0;
  case WM_GETFONT:
    return static_cast<LRESULT>(GetWindowLongPtrW(w, kFontSlot));
  case WM_SETTEXT: {
    const LRESULT r = DefWindowProcW(w, msg, wp, lp);
    InvalidateRect(w, nullptr, TRUE);
    return r;
  }
  case WM_ENABLE:
    InvalidateRect(w, nullptr, TRUE);
    return 0;
  default:
    return DefWindowProcW(w, msg, wp, lp);
  }
}

void RegisterFrameClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = FrameProc;
    wc.cbWndExtra = 2 * sizeof(LONG_PTR);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kFrameClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

} // namespace

HWND CreateFrameWindow(HWND parent, int id, const RECT& px, int borderStyle) {
  RegisterFrameClass();
  HWND w = CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, px.left, px.top,
                           px.right - px.left, px.bottom - px.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
  if (w) SetFrameBorderStyle(w, borderStyle);
  return w;
}

void SetFrameBorderStyle(HWND frame, int borderStyle) {
  SetWindowLongPtrW(frame, kBorderSlot, borderStyle);
  InvalidateRect(frame, nullptr, TRUE);
}

int FrameBorderStyle(HWND frame) { return static_cast<int>(GetWindowLongPtrW(frame, kBorderSlot)); }

} // namespace orva
