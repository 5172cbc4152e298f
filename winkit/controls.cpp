#include "winkit/controls.h"

#include "winkit/frame_window.h"

namespace winkit {
namespace {

struct Created {
  const ControlSpec* row;
  HWND hwnd;
  TwipRect placed; // in the twips of the window it is a child of
};

HWND CreateStandard(const wchar_t* cls, DWORD style, DWORD exStyle, HWND parent, int id, const RECT& px) {
  return CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, px.left, px.top, px.right - px.left,
                         px.bottom - px.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

} // namespace

std::vector<HWND> BuildControls(HWND window, std::span<const ControlSpec> table, Dpi dpi,
                                const CustomControlFn& custom) {
  std::vector<Created> made;
  made.reserve(table.size());
  for (const ControlSpec& row : table) {
    HWND parent = window;
    TwipRect placed = row.rect;
    if (row.container != 0) {
      const Created* holder = nullptr;
      for (const Created& c : made)
        if (c.row->id == row.container) holder = &c;
      if (!holder) return {};
      if (holder->row->kind == ControlKind::GroupBox) {
        parent = GetParent(holder->hwnd);
        placed.left += holder->placed.left;
        placed.top += holder->placed.top;
      } else {
        parent = holder->hwnd;
      }
    }
    const RECT px = PixelRect(placed, dpi);
    HWND hwnd = nullptr;
    switch (row.kind) {
    case ControlKind::Label: hwnd = CreateStandard(L"STATIC", row.style, 0, parent, row.id, px); break;
    case ControlKind::Button:
    case ControlKind::Option: hwnd = CreateStandard(L"BUTTON", row.style, 0, parent, row.id, px); break;
    case ControlKind::Edit:
      hwnd = CreateStandard(L"EDIT", row.style, WS_EX_CLIENTEDGE, parent, row.id, px);
      break;
    case ControlKind::GroupBox:
      hwnd = CreateStandard(L"BUTTON", BS_GROUPBOX | row.style, 0, parent, row.id, px);
      break;
    case ControlKind::Frame: hwnd = CreateFrameWindow(parent, row.id, px, 1); break;
    case ControlKind::Custom:
      if (custom) hwnd = custom(row, parent, px);
      break;
    }
    if (!hwnd) return {};
    made.push_back(Created{&row, hwnd, placed});
  }
  std::vector<HWND> handles;
  handles.reserve(made.size());
  for (const Created& c : made) handles.push_back(c.hwnd);
  return handles;
}

} // namespace winkit
