#include "installer/common/win/pieces.h"

#include "winkit/selected_object.h"
#include "winkit/held_font.h"
#include "winkit/twips.h"
#include "winkit/window.h"
#include "winkit/window_dpi.h"

#include <memory>

namespace orva::installer {
namespace {

constexpr int kBannerLeftTwips = 400;
constexpr int kBannerTopTwips = 350;
constexpr int kBannerPoints = 40;
constexpr COLORREF kBannerColour = RGB(250, 130, 110);

class Banner final : public winkit::Window {
public:
  HWND Create(HWND parent, int id, const RECT& px) {
    static const winkit::WindowClass cls{L"OrvaInstallerBanner", CS_HREDRAW | CS_VREDRAW, nullptr, nullptr,
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
    return CreateWin(cls, 0, WS_CHILD | WS_VISIBLE, L"", px.left, px.top, px.right - px.left, px.bottom - px.top,
                     parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  }
  void SetText(const std::wstring& text) {
    text_ = text;
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
  }
  const std::wstring& Text() const { return text_; }

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_PAINT) return OnPaint();
    if (msg == WM_DESTROY && font_) {
      DeleteObject(font_);
      font_ = nullptr;
    }
    return Default(msg, wp, lp);
  }
  LRESULT OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    // The window's own scaling: a per-monitor aware program's screen DC
    // tells only the system's.
    const winkit::Dpi dpi = winkit::WindowDpi(Handle());
    if (font_ && fontDpi_ != dpi.y) {
      DeleteObject(font_);
      font_ = nullptr;
    }
    fontDpi_ = dpi.y;
    if (!font_)
      font_ = CreateFontW(-MulDiv(kBannerPoints, dpi.y, 72), 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, L"Arial");
    {
      const winkit::SelectedFor font(dc, font_);
      SetTextColor(dc, kBannerColour);
      SetBkMode(dc, TRANSPARENT);
      const RECT at = winkit::PixelRect({kBannerLeftTwips, kBannerTopTwips, 0, 0}, dpi);
      TextOutW(dc, at.left, at.top, text_.c_str(), static_cast<int>(text_.size()));
    }
    EndPaint(Handle(), &ps);
    return 0;
  }

  std::wstring text_;
  HFONT font_ = nullptr;
  int fontDpi_ = 0;
};

class StatusLine final : public winkit::Window {
public:
  HWND Create(HWND parent, int id, const RECT& px) {
    static const winkit::WindowClass cls{L"OrvaInstallerStatusLine", CS_HREDRAW | CS_VREDRAW, nullptr, nullptr,
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
    return CreateWin(cls, 0, WS_CHILD | WS_VISIBLE, L"disp", px.left, px.top, px.right - px.left,
                     px.bottom - px.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  }
  void Set(const std::wstring& text, int alignment, COLORREF colour) {
    alignment_ = alignment;
    colour_ = colour;
    SetWindowTextW(Handle(), text.c_str());
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
  }
  COLORREF Colour() const { return colour_; }
  int Alignment() const { return alignment_; }

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (LRESULT result = 0; font_.OnMessage(Handle(), msg, wp, lp, result)) return result;
    if (msg == WM_PAINT) return OnPaint();
    return Default(msg, wp, lp);
  }
  LRESULT OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    // The caption separates its lines by a lone CR; drawing takes LF.
    std::wstring text(GetWindowTextLengthW(Handle()) + 1, L'\0');
    text.resize(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size())));
    for (wchar_t& c : text)
      if (c == L'\r') c = L'\n';
    {
      const winkit::SelectedFor font(dc, font_.Font());
      SetTextColor(dc, colour_);
      SetBkMode(dc, TRANSPARENT);
      const UINT align = alignment_ == 2 ? DT_CENTER : alignment_ == 1 ? DT_RIGHT : DT_LEFT;
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, align | DT_WORDBREAK | DT_NOPREFIX);
    }
    EndPaint(Handle(), &ps);
    return 0;
  }

  int alignment_ = 0;
  COLORREF colour_ = 0;
  winkit::HeldFont font_;
};

} // namespace

HWND CreateBanner(HWND parent, int id, const RECT& pixels) { return winkit::CreateOwnedByWindow(std::make_unique<Banner>(), parent, id, pixels); }

void SetBannerText(HWND banner, const std::wstring& text) {
  if (auto* b = winkit::Window::FromHandle<Banner>(banner)) b->SetText(text);
}

std::wstring BannerText(HWND banner) {
  const auto* b = winkit::Window::FromHandle<Banner>(banner);
  return b ? b->Text() : std::wstring();
}

HWND CreateStatusLine(HWND parent, int id, const RECT& pixels) {
  return winkit::CreateOwnedByWindow(std::make_unique<StatusLine>(), parent, id, pixels);
}

void SetStatusLine(HWND line, const std::wstring& text, int alignment, COLORREF colour) {
  if (auto* s = winkit::Window::FromHandle<StatusLine>(line)) s->Set(text, alignment, colour);
}

COLORREF StatusLineColour(HWND line) {
  const auto* s = winkit::Window::FromHandle<StatusLine>(line);
  return s ? s->Colour() : 0;
}

int StatusLineAlignment(HWND line) {
  const auto* s = winkit::Window::FromHandle<StatusLine>(line);
  return s ? s->Alignment() : 0;
}

} // namespace orva::installer
