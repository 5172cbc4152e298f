#include "winkit/notice_window.h"

#include "winkit/control_helpers.h"
#include "winkit/window_dpi.h"

namespace winkit {
namespace {

constexpr wchar_t kClass[] = L"OrvaNotice";
constexpr int kOkId = 1;
// In twips: the window, its margin and the OK button.
constexpr int kWidth = 5100, kHeight = 1650, kMargin = 120, kButtonWidth = 1200, kButtonHeight = 360;

int Scaled(int twips, HWND owner) { return TwipsToPixels(twips, WindowDpi(owner).x); }

} // namespace

void NoticeWindow::Show(HWND owner, const std::wstring& title, const std::wstring& text, HFONT font) {
  text_ = text;
  if (!Handle()) {
    const int width = Scaled(kWidth, owner), height = Scaled(kHeight, owner);
    RECT ownerRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) GetWindowRect(owner, &ownerRect);
    if (!CreateWin({kClass, 0, nullptr, nullptr, reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1)},
                   WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, WS_POPUP | WS_CAPTION | WS_SYSMENU, title.c_str(),
                   ownerRect.right - width - Scaled(kMargin, owner), ownerRect.bottom - height - Scaled(kMargin, owner), width,
                   height, owner, nullptr))
      return;
    RECT client;
    GetClientRect(Handle(), &client);
    const int m = Scaled(kMargin, owner), button = Scaled(kButtonHeight, owner);
    label_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, m, m, client.right - 2 * m,
                             client.bottom - button - 3 * m, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND ok = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                    client.right - Scaled(kButtonWidth, owner) - m, client.bottom - button - m, Scaled(kButtonWidth, owner), button,
                                    Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOkId)),
                                    GetModuleHandleW(nullptr), nullptr);
    SetFont(label_, font);
    SetFont(ok, font);
  }
  SetWindowTextW(Handle(), title.c_str());
  winkit::SetText(label_, text_);
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

void NoticeWindow::Close() {
  if (Handle()) DestroyWindow(Handle());
}

LRESULT NoticeWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_COMMAND:
    if (LOWORD(wp) == kOkId) Close();
    return 0;
  case WM_CTLCOLORSTATIC:
    SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_INFOBK));
    SetTextColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_INFOTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
  case WM_DESTROY: label_ = nullptr; return 0;
  default: return Default(msg, wp, lp);
  }
}

} // namespace winkit
