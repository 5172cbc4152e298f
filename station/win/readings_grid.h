// The readings grid MSFlexGridMsr: a standard list-view (report view, no
// header, owner data) behind the grid operations the station uses. The
// cells live in GridCells; the list-view asks for the texts it shows (LVN_GETDISPINFO)
// and each cell may carry its own text colour (NM_CUSTOMDRAW), so thousands
// of readings cost one cell update each, and screen readers still see a
// list of rows.
#pragma once

#include "station/grid_cells.h"
#include "winkit/subclass.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include <windows.h>
#include <commctrl.h>

namespace orva {

class ReadingsGrid : public winkit::ControlSubclass {
public:
  static constexpr int kRows = GridCells::kRows;
  static constexpr int kCols = GridCells::kCols;

  // Creates the list-view as a child of parent at the given pixel rectangle.
  bool Create(HWND parent, int id, const RECT& pixels);

  int Rows() const { return kRows; }
  int Cols() const { return kCols; }

  void SetTextMatrix(int row, int col, const std::wstring& text);
  const std::wstring& TextMatrix(int row, int col) const { return cells_.Text(row, col); }

  // The current cell (MSFlexGrid Row/Col). The current row is the list's
  // selected and focused item.
  void SetCurrentCell(int row, int col);
  int Row() const { return cells_.Row(); }
  int Col() const { return cells_.Col(); }

  // Text colour (0x00BBGGRR) of the current cell only (fill style single).
  void SetCellForeColor(std::uint32_t colour);
  std::optional<std::uint32_t> CellForeColor(int row, int col) const { return cells_.Colour(row, col); }

  // The top row takes effect at once for the grid's operations; the list
  // itself follows within kViewRefreshMs (see SyncView), so a burst of
  // readings scrolls the list once per refresh instead of once per reading.
  int TopRow() const;
  void SetTopRow(int row);
  static constexpr UINT kViewRefreshMs = 100;

  // Geometry in twips, converted with the window's pixels per inch.
  void SetRowHeight(int twips);
  // After a move to a monitor of another scaling: rows and columns again.
  void ScaleToWindowDpi();
  int RowHeight() const { return rowHeightTwips_; }
  // The width set, in twips; with vertical scroll bars only, the list may
  // show less of the last column (see SetScrollBars).
  void SetColWidth(int col, int twips);
  int ColWidth(int col) const;
  // Alignment 1: left, vertically centred (the list's own vertical placement).
  void SetColAlignment(int col, int alignment);
  // ScrollBars 2: vertical only. The columns are wider together than the
  // grid beside its vertical bar, so the last column is cut at the grid's
  // edge instead of the grid growing a horizontal bar that hides a row.
  // 3 (both) lets the list scroll sideways.
  void SetScrollBars(int mode);
  // Fill style 0: colour settings apply to the current cell only.
  void SetFillStyle(int style) { fillStyle_ = style; }

  // Empties every cell and its colour.
  void Clear();

  // Brings the list's selection and scroll position up to the current cell
  // and top row now rather than at the next view refresh.
  void SyncView();
  // Before the list goes: no refresh may reach this object afterwards.
  void Detach();

  // Notifications the parent forwards (WM_NOTIFY from this list-view).
  // Returns true and sets result when the notification was the grid's.
  bool HandleNotify(const NMHDR* header, LRESULT& result);

private:
  void RedrawRow(int row);
  int RowPixels() const;
  void ApplyColumnWidths();
  void ViewChanged();
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  HIMAGELIST rowSizer_ = nullptr; // an empty image list of the row height sets the item height
  GridCells cells_;
  int rowHeightTwips_ = 240;
  int fillStyle_ = 0;
  int scrollBars_ = 3;
  std::array<int, kCols> colTwips_{1000, 1000, 1000, 1000};
  int topRow_ = 0;          // wanted top row while viewDirty_
  bool viewDirty_ = false;  // selection and scroll wait for the refresh
};

} // namespace orva
