#include "station/stats/win/statistics_window.h"

#include "station/output/results_file.h"
#include "station/output/win/save_dialog.h"
#include "installer/common/program_names.h"
#include "station/settings/text_table.h"
#include "station/settings/win/fonts_win.h"
#include "station/stats/stats_cells.h"
#include "station/stats/stats_figures.h"
#include "station/stats/stats_layout.h"
#include "station/stats/win/chart_picture.h"
#include "station/stats/win/clipboard_copy.h"
#include "station/stats/win/png_file.h"
#include "winkit/selected_object.h"
#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/message_box.h"
#include "winkit/subclass.h"
#include "winkit/text.h"
#include "winkit/window_dpi.h"

#include <commdlg.h>
#include <vector>

namespace orva {
namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr wchar_t kWindowClass[] = L"OrvaStatistics";
constexpr wchar_t kPanelClass[] = L"OrvaStatisticsCharts";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The picture's save dialog, as the results file's: the name used as typed.
constexpr char kPictureFilter[] = " (*.png)|*.png| (*.*)|*.*";
constexpr char kPictureDefaultName[] = "chart.png";
constexpr int kPictureFilterIndex = 1;

bool IsCtrlC(UINT msg, WPARAM wp) {
  return msg == WM_KEYDOWN && wp == 'C' && (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

std::vector<winkit::ControlSpec> ControlTable() {
  std::vector<winkit::ControlSpec> table;
  for (int row = 0; row < StatsRowCount; ++row)
    for (int column = 0; column < kStatsColumnCount; ++column)
      if (StatsCellExists(row, column))
        table.push_back({StatsCellId(row, column), winkit::ControlKind::Label, 0, StatsCellRect(row, column),
                         static_cast<DWORD>(SS_NOPREFIX | (column == 0 ? SS_LEFT : SS_RIGHT))});
  table.push_back({kChartPanelId, winkit::ControlKind::Custom, 0, kChartPanelRect, 0});
  table.push_back({kCopyButtonId, winkit::ControlKind::Button, 0, kCopyButtonRect, BS_PUSHBUTTON | WS_TABSTOP});
  table.push_back(
      {kSavePictureButtonId, winkit::ControlKind::Button, 0, kSavePictureButtonRect, BS_PUSHBUTTON | WS_TABSTOP});
  return table;
}

} // namespace

// The charts' panel: double-buffered, painted by the window it sits in.
class StatisticsWindow::ChartPanel : public winkit::Window {
public:
  explicit ChartPanel(StatisticsWindow& owner) : owner_(owner) {}
  HWND Create(HWND parent, const RECT& r, int id) {
    return CreateWin({kPanelClass}, 0, WS_CHILD | WS_VISIBLE, nullptr, r.left, r.top, r.right - r.left,
                     r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  }

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
    case WM_ERASEBKGND: return 1; // all painted in WM_PAINT
    case WM_PAINT: OnPaint(); return 0;
    default: return Default(msg, wp, lp);
    }
  }

  void OnPaint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    // Drawn off screen and copied in one go: no flicker at ten updates a second.
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    if (memory && bitmap) {
      const winkit::SelectedFor offScreen(memory, bitmap);
      owner_.PaintPanel(memory, client);
      BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    } else {
      owner_.PaintPanel(dc, client);
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    EndPaint(Handle(), &ps);
  }

  StatisticsWindow& owner_;
};

// Ctrl+C on a button (which has the focus after a click) copies too.
class StatisticsWindow::CopyKey : public winkit::ControlSubclass {
public:
  explicit CopyKey(HWND window) : window_(window) {}

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (IsCtrlC(msg, wp)) {
      PostMessageW(window_, WM_COMMAND, MAKEWPARAM(kCopyButtonId, BN_CLICKED), 0);
      return 0;
    }
    return CallPrevious(msg, wp, lp);
  }
  HWND window_;
};

StatisticsWindow::StatisticsWindow(RunStatistics& stats) : stats_(stats) {}

StatisticsWindow::~StatisticsWindow() { Close(); }

bool StatisticsWindow::Open(HWND owner, const std::string& curLanguage) {
  if (Handle()) {
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
    return true;
  }
  curLanguage_ = curLanguage;
  const std::wstring title = winkit::WideFromUtf8(PickText(curLanguage_, Text::StatsCaption));
  // Holding controls: Tab walks them, Esc closes (the message loop).
  if (!CreateWin({kWindowClass, 0, nullptr, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)}, WS_EX_CONTROLPARENT,
                 kWindowStyle,
                 title.c_str(), CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr))
    return false;
  if (!FormLoad()) {
    Close();
    return false;
  }
  PlaceBesideOwner(owner);
  RefreshNow();
  ShowWindow(Handle(), SW_SHOW);
  return true;
}

void StatisticsWindow::Close() {
  if (Handle()) DestroyWindow(Handle());
}

bool StatisticsWindow::FormLoad() {
  const winkit::Dpi dpi = winkit::WindowDpi(Handle());
  font_ = FontFor(CtrlFontSpec(curLanguage_), dpi);
  const std::vector<winkit::ControlSpec> table = ControlTable();
  if (!built_.Build(Handle(), table, dpi, [this](const winkit::ControlSpec& row, HWND parent, const RECT& r) {
        return winkit::CreateOwnedByWindow(std::make_unique<ChartPanel>(*this), parent, r, row.id);
      }))
    return false;
  const std::vector<HWND>& made = built_.Handles();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].id == kChartPanelId) {
      panel_ = made[i];
      continue;
    }
    SetCtrlFont(made[i], curLanguage_);
  }
  const HWND copy = GetDlgItem(Handle(), kCopyButtonId);
  const HWND save = GetDlgItem(Handle(), kSavePictureButtonId);
  winkit::SetUtf8Text(copy, PickText(curLanguage_, Text::StatsCopy));
  winkit::SetUtf8Text(save, PickText(curLanguage_, Text::StatsSavePicture));
  const HWND buttons[] = {copy, save};
  for (std::size_t i = 0; i < copyKeys_.size(); ++i) {
    copyKeys_[i] = std::make_unique<CopyKey>(Handle());
    copyKeys_[i]->Attach(buttons[i]);
  }
  return true;
}

void StatisticsWindow::PlaceBesideOwner(HWND owner) {
  const SIZE outer = winkit::OuterSizeForClient(Handle(), kStatsClientWidth, kStatsClientHeight);
  const int width = outer.cx, height = outer.cy;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT ownerRect = work;
  if (owner) GetWindowRect(owner, &ownerRect);
  const ScreenPoint at = PlaceBeside({ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom}, width,
                                     height, {work.left, work.top, work.right, work.bottom});
  SetWindowPos(Handle(), nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT StatisticsWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case WM_TIMER:
    if (wp == kRefreshTimer) OnRefreshTimer();
    return 0;
  case WM_COMMAND:
    if (LOWORD(wp) == kCopyButtonId) OnCopyClick();
    if (LOWORD(wp) == kSavePictureButtonId) OnSavePictureClick();
    if (LOWORD(wp) == IDCANCEL) Close(); // Esc
    return 0;
  case WM_DPICHANGED:
    winkit::TakeDpiChange(Handle(), wp, lp, [this](winkit::Dpi dpi) {
      built_.Place(dpi);
      font_ = FontFor(CtrlFontSpec(curLanguage_), dpi);
    });
    return 0;
  case WM_KEYDOWN:
    if (!IsCtrlC(msg, wp)) return Default(msg, wp, lp);
    OnCopyClick();
    return 0;
  case WM_DESTROY:
    refreshPending_ = false; // the timer goes with the window
    panel_ = nullptr;
    return 0;
  default:
    return Default(msg, wp, lp);
  }
}

void StatisticsWindow::RunStarted() {
  stats_.Clear();
  if (Handle()) RefreshNow();
}

void StatisticsWindow::ReadingTaken(std::int32_t readingNo, const ReadingTexts& texts, Judgement judgement) {
  stats_.Add(readingNo, texts, judgement);
  ScheduleRefresh();
}

void StatisticsWindow::AllowanceChanged(const Allowance& allowance) {
  allowance_ = allowance;
  ScheduleRefresh();
}

void StatisticsWindow::ScheduleRefresh() {
  if (!Handle() || refreshPending_) return;
  refreshPending_ = SetTimer(Handle(), kRefreshTimer, kRefreshMs, nullptr) != 0;
}

void StatisticsWindow::OnRefreshTimer() {
  KillTimer(Handle(), kRefreshTimer);
  refreshPending_ = false;
  RefreshNow();
}

void StatisticsWindow::RefreshNow() {
  if (!Handle()) return;
  const FigureTexts figures = MakeFigureTexts(stats_, allowance_);
  for (int row = 0; row < StatsRowCount; ++row)
    for (int column = 0; column < kStatsColumnCount; ++column) {
      if (!StatsCellExists(row, column)) continue;
      const HWND cell = GetDlgItem(Handle(), StatsCellId(row, column));
      const std::wstring text =
          winkit::WideFromUtf8(StatsCellText(curLanguage_, figures, allowance_, row, column));
      if (cell && winkit::WindowText(cell) != text) SetWindowTextW(cell, text.c_str());
    }
  if (panel_) InvalidateRect(panel_, nullptr, FALSE);
}

void StatisticsWindow::PaintPanel(HDC dc, const RECT& area) {
  PaintCharts(dc, area, ChartScene{stats_, allowance_, curLanguage_, font_, winkit::WindowDpi(Handle()).y});
}

SIZE StatisticsWindow::PictureSize() const {
  RECT r{};
  if (panel_ && GetClientRect(panel_, &r)) return {r.right, r.bottom};
  r = winkit::PixelRect(kChartPanelRect, winkit::WindowDpi(Handle()));
  return {r.right - r.left, r.bottom - r.top};
}

bool StatisticsWindow::CopyFigures() {
  const std::wstring text =
      winkit::WideFromUtf8(FiguresTable(curLanguage_, MakeFigureTexts(stats_, allowance_), allowance_));
  const SIZE size = PictureSize();
  const ChartPicture picture(size.cx, size.cy, ChartScene{stats_, allowance_, curLanguage_, font_, winkit::WindowDpi(Handle()).y});
  return picture.Ok() && CopyTextAndPicture(Handle(), text, picture.PackedDib());
}

bool StatisticsWindow::WritePicture(const std::string& ansiPath) {
  const SIZE size = PictureSize();
  const ChartPicture picture(size.cx, size.cy, ChartScene{stats_, allowance_, curLanguage_, font_, winkit::WindowDpi(Handle()).y});
  return picture.Ok() && WritePng(picture.Bitmap(), winkit::WideFromAnsi(ansiPath));
}

void StatisticsWindow::OnCopyClick() {
  if (!CopyFigures())
    winkit::ShowMessageBox(Handle(), winkit::WideFromUtf8(PickText(curLanguage_, Text::StatsNotCopied)),
                           kDefaultMessageTitle, MB_OK | MB_ICONEXCLAMATION);
}

void StatisticsWindow::OnSavePictureClick() {
  const SaveDialogRequest request{DialogFilter(kPictureFilter), kPictureDefaultName, kPictureFilterIndex,
                                  kCreatePromptFlag | OFN_NOCHANGEDIR, {}};
  const std::optional<std::string> chosen = ChooseFileToSave(Handle(), request, curLanguage_);
  if (!chosen) return;
  if (!WritePicture(*chosen))
    winkit::ShowMessageBox(Handle(), winkit::WideFromUtf8(PickText(curLanguage_, Text::StatsPictureNotSaved)),
                           kDefaultMessageTitle, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace orva
