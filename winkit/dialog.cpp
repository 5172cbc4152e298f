#include "winkit/dialog.h"

#include "winkit/unexpected_error.h"

#include <vector>

namespace winkit {
namespace {

// A DLGTEMPLATE of the given style with no controls and no menu, class or title.
std::vector<WORD> EmptyTemplate(DWORD style) {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
  auto* dlg = reinterpret_cast<DLGTEMPLATE*>(words.data());
  dlg->style = style;
  dlg->cdit = 0;
  return words;
}

constexpr DWORD kModalStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
// No close box: the dialog's own button ends it.
constexpr DWORD kModelessStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;

} // namespace

INT_PTR Dialog::ShowModal(HWND owner) {
  std::vector<WORD> words = EmptyTemplate(kModalStyle);
  modal_ = true;
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(words.data()), owner,
                                 &Dialog::Proc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::OpenModeless(HWND owner) {
  std::vector<WORD> words = EmptyTemplate(kModelessStyle);
  const HWND made = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(words.data()),
                                               owner, &Dialog::Proc, reinterpret_cast<LPARAM>(this));
  if (!made) return false;
  ShowWindow(made, SW_SHOW);
  return true;
}

void Dialog::CloseModeless() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool Dialog::BuildDialogControls(std::span<const ControlSpec> table, const CustomControlFn& custom) {
  return controls_.Build(hwnd_, table, DialogDpi(), custom);
}

void Dialog::SizeClient(int widthTwips, int heightTwips) {
  const SIZE outer = OuterSizeForClient(hwnd_, widthTwips, heightTwips);
  const int w = outer.cx, h = outer.cy;
  RECT around{};
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (!owner || !GetWindowRect(owner, &around)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
  const int x = around.left + ((around.right - around.left) - w) / 2;
  const int y = around.top + ((around.bottom - around.top) - h) / 2;
  SetWindowPos(hwnd_, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Dialog* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lp);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lp);
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;
  return Guarded(hwnd, [&]() -> INT_PTR {
    INT_PTR result = self->OnMessage(msg, wp, lp);
    if (!result && msg == WM_COMMAND && LOWORD(wp) == IDCANCEL) {
      self->OnCancel();
      result = TRUE;
    }
    if (!result && msg == WM_DPICHANGED) {
      TakeDpiChange(hwnd, wp, lp, [self](Dpi dpi) {
        self->controls_.Place(dpi);
        self->OnDpiChanged(dpi);
      });
      result = TRUE;
    }
    if (msg == WM_NCDESTROY) {
      ForgetWindowDpi(hwnd);
      SetWindowLongPtrW(hwnd, DWLP_USER, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  });
}

} // namespace winkit
