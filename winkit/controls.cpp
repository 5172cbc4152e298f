#include "winkit/controls.h"

#include "winkit/frame_window.h"

namespace winkit {
namespace {

HWND CreateStandard(const wchar_t* cls, DWORD style, DWORD exStyle, HWND parent, int id, const RECT& px) {
  return CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, px.left, px.top, px.right - px.left,
                         px.bottom - px.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

} // namespace

std::vector<ControlPlacement> ControlPlacements(std::span<const ControlSpec> table) {
  std::vector<ControlPlacement> placements;
  placements.reserve(table.size());
  for (const ControlSpec& row : table) {
    ControlPlacement p{-1, row.rect};
    if (row.container != 0) {
      int holder = -1;
      for (std::size_t i = 0; i < placements.size(); ++i)
        if (table[i].id == row.container) holder = static_cast<int>(i);
      if (holder < 0) return {};
      const ControlPlacement& h = placements[static_cast<std::size_t>(holder)];
      if (table[static_cast<std::size_t>(holder)].kind == ControlKind::GroupBox) {
        // A group box holds its siblings: they sit in its parent, moved by its place.
        p.parentRow = h.parentRow;
        p.placed.left += h.placed.left;
        p.placed.top += h.placed.top;
      } else {
        p.parentRow = holder;
      }
    }
    placements.push_back(p);
  }
  return placements;
}

std::vector<HWND> BuildControls(HWND window, std::span<const ControlSpec> table, Dpi dpi,
                                const CustomControlFn& custom) {
  const std::vector<ControlPlacement> placements = ControlPlacements(table);
  if (placements.size() != table.size()) return {};
  std::vector<HWND> handles;
  handles.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ControlSpec& row = table[i];
    const HWND parent = placements[i].parentRow < 0 ? window : handles[static_cast<std::size_t>(placements[i].parentRow)];
    const RECT px = PixelRect(placements[i].placed, dpi);
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
    handles.push_back(hwnd);
  }
  return handles;
}

void PlaceControls(std::span<const ControlSpec> table, std::span<const HWND> handles, Dpi dpi) {
  const std::vector<ControlPlacement> placements = ControlPlacements(table);
  if (placements.size() != table.size() || handles.size() != table.size()) return;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const RECT px = PixelRect(placements[i].placed, dpi);
    SetWindowPos(handles[i], nullptr, px.left, px.top, px.right - px.left, px.bottom - px.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool BuiltControls::Build(HWND window, std::span<const ControlSpec> table, Dpi dpi, const CustomControlFn& custom) {
  table_.assign(table.begin(), table.end());
  handles_ = BuildControls(window, table_, dpi, custom);
  return handles_.size() == table_.size();
}

void BuiltControls::Place(Dpi dpi) const { PlaceControls(table_, handles_, dpi); }

} // namespace winkit
