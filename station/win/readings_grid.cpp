#include "station/win/readings_grid.h"

#include "winkit/window_dpi.h"

#include <commctrl.h>

namespace orva {
namespace {

// An id the list-view's own timers do not use.
constexpr UINT_PTR kRefreshTimer = 0x4F52;

} // namespace

bool ReadingsGrid::Create(HWND parent, int id, const RECT& px) {
  const HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT |
                              LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_OWNERDATA,
                          px.left, px.top, px.right - px.left, px.bottom - px.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                          nullptr);
  if (!list || !Attach(list)) return false;
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (int c = 0; c < kCols; ++c) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = winkit::TwipsToPixels(colTwips_[static_cast<size_t>(c)], winkit::WindowDpi(Handle()).x);
    column.iSubItem = c;
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
  }
  SendMessageW(Handle(), LVM_SETITEMCOUNT, kRows, LVSICF_NOINVALIDATEALL);
  ApplyColumnWidths();
  SetRowHeight(rowHeightTwips_);
  return true;
}

void ReadingsGrid::SetTextMatrix(int row, int col, const std::wstring& text) {
  cells_.SetText(row, col, text);
  RedrawRow(row);
}

void ReadingsGrid::SetCurrentCell(int row, int col) {
  cells_.SetCurrent(row, col);
  ViewChanged();
}

void ReadingsGrid::SetCellForeColor(std::uint32_t colour) {
  cells_.SetCurrentColour(colour);
  RedrawRow(cells_.Row());
}

int ReadingsGrid::TopRow() const {
  return viewDirty_ ? topRow_ : static_cast<int>(SendMessageW(Handle(), LVM_GETTOPINDEX, 0, 0));
}

void ReadingsGrid::SetTopRow(int row) {
  topRow_ = ClampedTopRow(row, kRows, static_cast<int>(SendMessageW(Handle(), LVM_GETCOUNTPERPAGE, 0, 0)));
  ViewChanged();
}

void ReadingsGrid::ViewChanged() {
  if (viewDirty_) return;
  viewDirty_ = true;
  SetTimer(Handle(), kRefreshTimer, kViewRefreshMs, nullptr);
}

LRESULT ReadingsGrid::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER && wp == kRefreshTimer) {
    KillTimer(Handle(), kRefreshTimer);
    SyncView();
    return 0;
  }
  return CallPrevious(msg, wp, lp);
}

void ReadingsGrid::Detach() {
  if (!Handle()) return;
  KillTimer(Handle(), kRefreshTimer);
  if (rowSizer_) {
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    ImageList_Destroy(rowSizer_);
    rowSizer_ = nullptr;
  }
  viewDirty_ = false;
  Release();
}

// Selecting may scroll the list to the selected row, so the top row is set
// after it.
void ReadingsGrid::SyncView() {
  if (!viewDirty_) return;
  KillTimer(Handle(), kRefreshTimer);
  viewDirty_ = false;
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, cells_.Row(), reinterpret_cast<LPARAM>(&item));
  const int delta = topRow_ - static_cast<int>(SendMessageW(Handle(), LVM_GETTOPINDEX, 0, 0));
  if (delta != 0) SendMessageW(Handle(), LVM_SCROLL, 0, static_cast<LPARAM>(delta) * RowPixels());
}

int ReadingsGrid::RowPixels() const {
  RECT r{};
  r.left = LVIR_BOUNDS;
  if (SendMessageW(Handle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)) && r.bottom > r.top)
    return r.bottom - r.top;
  return winkit::TwipsToPixels(rowHeightTwips_, winkit::WindowDpi(Handle()).y);
}

void ReadingsGrid::SetRowHeight(int twips) {
  rowHeightTwips_ = twips;
  // The list's row height follows its small image list; an empty list of the
  // wanted height (one pixel wide) sets it without showing anything.
  HIMAGELIST sizer = ImageList_Create(1, winkit::TwipsToPixels(twips, winkit::WindowDpi(Handle()).y), ILC_COLOR, 0, 1);
  SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(sizer));
  if (rowSizer_) ImageList_Destroy(rowSizer_);
  rowSizer_ = sizer;
}

void ReadingsGrid::ScaleToWindowDpi() {
  SetRowHeight(rowHeightTwips_);
  ApplyColumnWidths();
}

void ReadingsGrid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= kCols) return;
  colTwips_[static_cast<size_t>(col)] = twips;
  ApplyColumnWidths();
}

int ReadingsGrid::ColWidth(int col) const { return col >= 0 && col < kCols ? colTwips_[static_cast<size_t>(col)] : 0; }

void ReadingsGrid::ApplyColumnWidths() {
  int px[kCols];
  const int dpi = winkit::WindowDpi(Handle()).x;
  for (int c = 0; c < kCols; ++c) px[c] = winkit::TwipsToPixels(colTwips_[static_cast<size_t>(c)], dpi);
  RECT client;
  if (scrollBars_ == 2 && GetClientRect(Handle(), &client)) FitLastColumn(px, client.right);
  for (int c = 0; c < kCols; ++c) SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, c, px[c]);
}

void ReadingsGrid::SetScrollBars(int mode) {
  scrollBars_ = mode;
  ApplyColumnWidths();
}

void ReadingsGrid::SetColAlignment(int col, int alignment) {
  LVCOLUMNW column{};
  column.mask = LVCF_FMT;
  column.fmt = alignment == 1 ? LVCFMT_LEFT : alignment == 7 ? LVCFMT_RIGHT : LVCFMT_CENTER;
  if (col > 0) SendMessageW(Handle(), LVM_SETCOLUMNW, col, reinterpret_cast<LPARAM>(&column));
  // Column 0 of a list-view is always left-aligned, which is what 1 asks for.
}

void ReadingsGrid::Clear() {
  cells_.Clear();
  InvalidateRect(Handle(), nullptr, TRUE);
}

void ReadingsGrid::RedrawRow(int row) { SendMessageW(Handle(), LVM_REDRAWITEMS, row, row); }

bool ReadingsGrid::HandleNotify(const NMHDR* header, LRESULT& result) {
  if (!Handle() || header->hwndFrom != Handle()) return false;
  result = 0;
  switch (header->code) {
  case LVN_GETDISPINFOW: {
    auto* info = const_cast<NMLVDISPINFOW*>(reinterpret_cast<const NMLVDISPINFOW*>(header));
    if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0)
      lstrcpynW(info->item.pszText, TextMatrix(info->item.iItem, info->item.iSubItem).c_str(),
                info->item.cchTextMax);
    return true;
  }
  case LVN_ODFINDITEMW:
  case LVN_ODFINDITEMA:
    result = -1;
    return true;
  case NM_CUSTOMDRAW: {
    auto* draw = const_cast<NMLVCUSTOMDRAW*>(reinterpret_cast<const NMLVCUSTOMDRAW*>(header));
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      result = CDRF_NOTIFYITEMDRAW;
      return true;
    case CDDS_ITEMPREPAINT:
      result = CDRF_NOTIFYSUBITEMDRAW;
      return true;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const auto colour = CellForeColor(static_cast<int>(draw->nmcd.dwItemSpec), draw->iSubItem);
      draw->clrText = colour ? static_cast<COLORREF>(*colour) : GetSysColor(COLOR_WINDOWTEXT);
      result = CDRF_NEWFONT;
      return true;
    }
    default:
      result = CDRF_DODEFAULT;
      return true;
    }
  }
  default:
    return false;
  }
}

} // namespace orva
