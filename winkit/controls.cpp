#include "winkit/controls.h"

#include "winkit/frame_window.h"

namespace winkit {
namespace {

struct Created {
  const ControlSpec* spec;
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
  for (const ControlSpec& spec : table) {
    HWND parent = window;
    TwipRect placed = spec.rect;
    if (spec.container != 0) {
      const Created* holder = nullptr;
      for (const Created& c : made)
        if (c.spec->id == spec.container) holder = &c;
      if (!holder) return {};
      if (holder->spec->kind == ControlKind::GroupBox) {
        parent = GetParent(holder->hwnd);
        placed.left += holder->placed.left;
        placed.top += holder->placed.top;
      } else {
        parent = holder->hwnd;
      }
    }
    const RECT px = PixelRect(placed, dpi);
    HWND hwnd = nullptr;
    switch (spec.kind) {
    case ControlKind::Label: hwnd = CreateStandard(L"STATIC", spec.style, 0, parent, spec.id, px); break;
    case ControlKind::Button:
    case ControlKind::Option: hwnd = CreateStandard(L"BUTTON", spec.style, 0, parent, spec.id, px); break;
    case ControlKind::Edit:
      hwnd = CreateStandard(L"EDIT", spec.style, WS_EX_CLIENTEDGE, parent, spec.id, px);
      break;
    case ControlKind::GroupBox:
      hwnd = CreateStandard(L"BUTTON", BS_GROUPBOX | spec.style, 0, parent, spec.id, px);
      break;
    case ControlKind::Frame: hwnd = CreateFrameWindow(parent, spec.id, px, 1); break;
    case ControlKind::Custom:
      if (custom) hwnd = custom(spec, parent, px);
      break;
    }
    if (!hwnd) return {};
    made.push_back(Created{&spec, hwnd, placed});
  }
  std::vector<HWND> handles;
  handles.reserve(made.size());
  for (const Created& c : made) handles.push_back(c.hwnd);
  return handles;
}

} // namespace winkit
