#include "dialog_template.h"

#include "twips.h"

namespace orva {

std::vector<WORD> EmptyDialogTemplate() {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0); // menu, class, title: none
  auto* dlg = reinterpret_cast<DLGTEMPLATE*>(words.data());
  dlg->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  dlg->cdit = 0;
  return words;
}

void SizeDialogClient(HWND dialog, int clientTwipsWidth, int clientTwipsHeight) {
  RECT r{0, 0, TwipsToPixelsX(clientTwipsWidth), TwipsToPixelsY(clientTwipsHeight)};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
  const int w = r.right - r.left, h = r.bottom - r.top;
  RECT around{};
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (!owner || !GetWindowRect(owner, &around))
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
  const int x = around.left + ((around.right - around.left) - w) / 2;
  const int y = around.top + ((around.bottom - around.top) - h) / 2;
  SetWindowPos(dialog, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CreateDialogControl(HWND dialog, const wchar_t* className, DWORD style, int id, int leftTwips,
                         int topTwips, int widthTwips, int heightTwips) {
  const int x = TwipsToPixelsX(leftTwips), y = TwipsToPixelsY(topTwips);
  const int w = TwipsToPixelsX(leftTwips + widthTwips) - x;
  const int h = TwipsToPixelsY(topTwips + heightTwips) - y;
  return CreateWindowExW(0, className, L"", WS_CHILD | style, x, y, w, h, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), nullptr);
}

} // namespace orva
