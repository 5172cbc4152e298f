#include "station/archive/win/run_archive_window.h"

#include "station/archive/archived_run.h"
#include "station/archive/win/archive_files.h"
#include "station/output/win/output_files.h"
#include "installer/common/program_names.h"
#include "station/settings/text_table.h"
#include "station/settings/win/fonts_win.h"
#include "station/stats/win/statistics_window.h"
#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/message_box.h"
#include "winkit/text.h"
#include "winkit/window_dpi.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

namespace orva {
namespace {

constexpr wchar_t kWindowClass[] = L"OrvaRunArchive";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

enum Id { chkKeepEveryRun = 101, lblFolder, txtFolder, cmdBrowse, lstRuns, cmdOpen, cmdShowInFolder, cmdStatistics, cmdRefresh };

// The window's client area and its controls, in twips.
constexpr winkit::TwipRect kClient{0, 0, 11400, 6840};
const winkit::ControlSpec kControls[] = {
    {chkKeepEveryRun, winkit::ControlKind::Button, 0, {120, 120, 2880, 300}, BS_AUTOCHECKBOX | WS_TABSTOP},
    {lblFolder, winkit::ControlKind::Label, 0, {3120, 180, 1560, 240}, SS_NOPREFIX | SS_RIGHT},
    {txtFolder, winkit::ControlKind::Edit, 0, {4740, 120, 4860, 300}, ES_AUTOHSCROLL | WS_TABSTOP},
    {cmdBrowse, winkit::ControlKind::Button, 0, {9720, 100, 1560, 340}, BS_PUSHBUTTON | WS_TABSTOP},
    {lstRuns, winkit::ControlKind::Custom, 0, {120, 560, 11160, 5500}, 0},
    {cmdOpen, winkit::ControlKind::Button, 0, {120, 6240, 1800, 480}, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {cmdShowInFolder, winkit::ControlKind::Button, 0, {2040, 6240, 2400, 480}, BS_PUSHBUTTON | WS_TABSTOP},
    {cmdStatistics, winkit::ControlKind::Button, 0, {4560, 6240, 1800, 480}, BS_PUSHBUTTON | WS_TABSTOP},
    {cmdRefresh, winkit::ControlKind::Button, 0, {9000, 6240, 2280, 480}, BS_PUSHBUTTON | WS_TABSTOP},
};

struct Column {
  ArchiveColumn column;
  Text head;
  int twips;
  int format;
};
constexpr Column kColumns[] = {
    {ArchiveColumn::Started, Text::ArchiveStarted, 2300, LVCFMT_LEFT},
    {ArchiveColumn::Computer, Text::ArchiveComputer, 1600, LVCFMT_LEFT},
    {ArchiveColumn::PrintTitle, Text::ArchivePrintTitle, 2700, LVCFMT_LEFT},
    {ArchiveColumn::Readings, Text::ArchiveReadings, 1100, LVCFMT_RIGHT},
    {ArchiveColumn::GoodRate, Text::ArchiveGoodRate, 1200, LVCFMT_RIGHT},
    {ArchiveColumn::State, Text::ArchiveState, 2000, LVCFMT_LEFT},
};

HWND CreateRunList(HWND parent, const RECT& r, int id) {
  const HWND list = CreateWindowExW(
      WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA, r.left,
      r.top, r.right - r.left, r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      GetModuleHandleW(nullptr), nullptr);
  if (list) SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  return list;
}

} // namespace

RunArchiveWindow::RunArchiveWindow() = default;

RunArchiveWindow::~RunArchiveWindow() { Close(); }

bool RunArchiveWindow::Open(HWND owner, const std::string& curLanguage, const ArchiveSettings& settings,
                            const std::string& defaultFolder, const std::string& spoolFolder) {
  settings_ = settings;
  defaultFolder_ = defaultFolder;
  spoolFolder_ = spoolFolder;
  archiveFolder_ = ArchiveFolderIn(settings_, defaultFolder_);
  if (Handle()) {
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    ShowSettings();
    ReadFolders();
    return true;
  }
  curLanguage_ = curLanguage;
  const std::wstring title = winkit::WideFromUtf8(PickText(curLanguage_, Text::ArchiveCaption));
  // Holding controls: Tab walks them, Enter and Esc act (the message loop).
  if (!CreateWin({kWindowClass, 0, nullptr, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)}, WS_EX_CONTROLPARENT,
                 kWindowStyle,
                 title.c_str(), CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr))
    return false;
  // Sized once it exists, for the scaling of the monitor it opened on.
  winkit::SizeToClient(Handle(), kClient.width, kClient.height);
  if (!FormLoad()) {
    Close();
    return false;
  }
  ShowSettings();
  ShowWindow(Handle(), SW_SHOW);
  ReadFolders();
  return true;
}

// Enter, as in a dialog: a focused push button is pressed, a folder typed in
// the folder box is taken, anywhere else the default button (Open) acts.
void RunArchiveWindow::OnEnter() {
  const HWND focus = GetFocus();
  if (focus == GetDlgItem(Handle(), txtFolder)) {
    ChooseFolder(winkit::AnsiFromWide(winkit::WindowText(focus)));
    return;
  }
  const int id = GetDlgCtrlID(focus);
  if (GetParent(focus) == Handle() && (id == cmdBrowse || id == cmdShowInFolder || id == cmdStatistics || id == cmdRefresh)) {
    SendMessageW(focus, BM_CLICK, 0, 0);
    return;
  }
  OnOpenClick();
}

void RunArchiveWindow::SizeColumns(winkit::Dpi dpi) {
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
    SendMessageW(listView_, LVM_SETCOLUMNWIDTH, i, winkit::TwipsToPixels(kColumns[i].twips, dpi.x));
}

void RunArchiveWindow::ShowSettings() {
  winkit::SetChecked(GetDlgItem(Handle(), chkKeepEveryRun), settings_.keepEveryRun);
  winkit::SetAnsiText(GetDlgItem(Handle(), txtFolder), archiveFolder_);
}

void RunArchiveWindow::Close() {
  if (statistics_) statistics_->Close();
  if (Handle()) DestroyWindow(Handle());
}

bool RunArchiveWindow::FormLoad() {
  if (!built_.Build(Handle(), kControls, winkit::WindowDpi(Handle()),
                    [](const winkit::ControlSpec& row, HWND parent, const RECT& r) { return CreateRunList(parent, r, row.id); }))
    return false;
  for (const HWND control : built_.Handles()) SetCtrlFont(control, curLanguage_);
  listView_ = GetDlgItem(Handle(), lstRuns);
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    const std::wstring head = winkit::WideFromUtf8(PickText(curLanguage_, kColumns[i].head));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.fmt = kColumns[i].format;
    column.pszText = const_cast<wchar_t*>(head.c_str());
    SendMessageW(listView_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  SizeColumns(winkit::WindowDpi(Handle()));
  const std::pair<int, Text> captions[] = {{chkKeepEveryRun, Text::SettingKeepEveryRun},
                                           {lblFolder, Text::SettingArchiveFolder},
                                           {cmdBrowse, Text::SettingBrowse},
                                           {cmdOpen, Text::ArchiveOpen},
                                           {cmdShowInFolder, Text::ArchiveShowInFolder},
                                           {cmdStatistics, Text::ArchiveStatistics},
                                           {cmdRefresh, Text::ArchiveRefresh}};
  for (const auto& [id, text] : captions) winkit::SetUtf8Text(GetDlgItem(Handle(), id), PickText(curLanguage_, text));
  return true;
}

void RunArchiveWindow::ReadFolders() {
  ++generation_;
  listed_ = false;
  reading_ = false;
  worker_.DropWaiting();
  const HWND window = Handle();
  const unsigned generation = generation_;
  const std::string archive = archiveFolder_, spool = spoolFolder_;
  worker_.Post([this, window, generation, archive, spool] {
    std::vector<std::string> archived = FileNamesIn(archive), spooled = FileNamesIn(spool);
    winkit::PostToWindow(window, [this, generation, archived = std::move(archived), spooled = std::move(spooled)] {
      OnListed(generation, archived, spooled);
    });
  });
}

void RunArchiveWindow::OnListed(unsigned generation, const std::vector<std::string>& archived,
                                const std::vector<std::string>& spooled) {
  if (generation != generation_) return;
  list_.Fill(archived, spooled);
  listed_ = true;
  SendMessageW(listView_, LVM_SETITEMCOUNT, list_.Size(), 0);
  InvalidateRect(listView_, nullptr, FALSE);
  ReadNextSummary();
}

void RunArchiveWindow::ReadNextSummary() {
  if (reading_ || !listed_) return;
  const std::size_t top = static_cast<std::size_t>(SendMessageW(listView_, LVM_GETTOPINDEX, 0, 0));
  const std::size_t visible = static_cast<std::size_t>(SendMessageW(listView_, LVM_GETCOUNTPERPAGE, 0, 0)) + 1;
  const std::optional<std::size_t> row = list_.NextToRead(top, visible);
  if (!row) return;
  reading_ = true;
  const HWND window = Handle();
  const unsigned generation = generation_;
  const std::string path = PathOf(*row);
  worker_.Post([this, window, generation, row = *row, path] {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    ArchiveSummary summary;
    if (bytes) summary = SummaryOf(winkit::Utf8FromAnsi(*bytes));
    else summary.kind = ArchiveSummary::Kind::Unreadable;
    winkit::PostToWindow(window, [this, generation, row, summary = std::move(summary)]() mutable {
      OnSummary(generation, row, std::move(summary));
    });
  });
}

void RunArchiveWindow::OnSummary(unsigned generation, std::size_t row, ArchiveSummary summary) {
  if (generation != generation_) return;
  reading_ = false;
  list_.SetSummary(row, std::move(summary));
  SendMessageW(listView_, LVM_REDRAWITEMS, row, row);
  ReadNextSummary();
}

std::string RunArchiveWindow::CellText(std::size_t row, ArchiveColumn column) const {
  return row < list_.Size() ? list_.CellText(row, column, curLanguage_) : std::string();
}

std::string RunArchiveWindow::PathOf(std::size_t row) const {
  const ArchiveEntry& entry = list_.At(row);
  return JoinPath(entry.inSpool ? spoolFolder_ : archiveFolder_, entry.fileName);
}

std::optional<std::size_t> RunArchiveWindow::SelectedRow() const {
  const LRESULT row = SendMessageW(listView_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
  if (row < 0 || static_cast<std::size_t>(row) >= list_.Size()) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void RunArchiveWindow::Select(std::size_t row) {
  LVITEMW item{};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(listView_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  SendMessageW(listView_, LVM_ENSUREVISIBLE, row, FALSE);
}

LRESULT RunArchiveWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case winkit::kRunOnWindowMessage: winkit::RunPostedOnWindow(lp); return 0;
  case WM_NOTIFY: return OnListNotify(reinterpret_cast<NMHDR*>(lp));
  case WM_DPICHANGED:
    winkit::TakeDpiChange(Handle(), wp, lp, [this](winkit::Dpi dpi) {
      built_.Place(dpi);
      SizeColumns(dpi);
    });
    return 0;
  case WM_COMMAND:
    switch (LOWORD(wp)) {
    case cmdOpen: OnOpenClick(); break;
    case cmdShowInFolder: OnShowInFolderClick(); break;
    case cmdStatistics: OnStatisticsClick(); break;
    case cmdRefresh: ReadFolders(); break;
    case chkKeepEveryRun: OnKeepEveryRunClick(); break;
    case cmdBrowse: OnBrowseClick(); break;
    case txtFolder:
      if (HIWORD(wp) == EN_KILLFOCUS) ChooseFolder(winkit::AnsiFromWide(winkit::WindowText(GetDlgItem(Handle(), txtFolder))));
      break;
    case IDOK: OnEnter(); break;
    case IDCANCEL: Close(); break; // Esc
    }
    return 0;
  case WM_DESTROY:
    ++generation_; // what the worker still posts is for a window that is gone
    worker_.DropWaiting();
    listView_ = nullptr;
    listed_ = reading_ = false;
    return 0;
  default: return Default(msg, wp, lp);
  }
}

LRESULT RunArchiveWindow::OnListNotify(NMHDR* header) {
  if (!header || header->idFrom != lstRuns) return 0;
  switch (header->code) {
  case LVN_GETDISPINFOW: {
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    if ((item.mask & LVIF_TEXT) && item.iSubItem < static_cast<int>(std::size(kColumns))) {
      cellText_ = winkit::WideFromUtf8(CellText(item.iItem, kColumns[item.iSubItem].column));
      lstrcpynW(item.pszText, cellText_.c_str(), item.cchTextMax);
    }
    return 0;
  }
  case LVN_ENDSCROLL: // wheel and bar: the rows now in sight are read next
  case LVN_ODCACHEHINT: ReadNextSummary(); return 0;
  case NM_DBLCLK: OnStatisticsClick(); return 0;
  default: return 0;
  }
}

void RunArchiveWindow::OnKeepEveryRunClick() {
  settings_.keepEveryRun = winkit::IsChecked(GetDlgItem(Handle(), chkKeepEveryRun));
  ApplySettings();
}

void RunArchiveWindow::ChooseFolder(const std::string& folder) {
  std::string chosen = folder;
  while (chosen.size() > 3 && (chosen.back() == '\\' || chosen.back() == ' ')) chosen.pop_back();
  if (chosen.empty()) chosen = defaultFolder_;
  if (chosen == archiveFolder_) return;
  // The default is kept as no folder, so it follows the system's documents.
  settings_.folder = chosen == defaultFolder_ ? std::string() : chosen;
  archiveFolder_ = chosen;
  if (Handle()) winkit::SetAnsiText(GetDlgItem(Handle(), txtFolder), archiveFolder_);
  ApplySettings();
  ReadFolders();
}

void RunArchiveWindow::ApplySettings() {
  if (settingsChanged_) settingsChanged_(settings_);
}

void RunArchiveWindow::OnBrowseClick() {
  const std::wstring title = winkit::WideFromUtf8(PickText(curLanguage_, Text::SettingArchiveFolder));
  BROWSEINFOW info{};
  info.hwndOwner = Handle();
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  const HRESULT com = CoInitialize(nullptr);
  if (LPITEMIDLIST picked = SHBrowseForFolderW(&info)) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(picked, path)) ChooseFolder(winkit::AnsiFromWide(path));
    CoTaskMemFree(picked);
  }
  if (SUCCEEDED(com)) CoUninitialize();
}

void RunArchiveWindow::OnOpenClick() {
  if (const auto row = SelectedRow())
    ShellExecuteW(Handle(), L"open", winkit::WideFromAnsi(PathOf(*row)).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void RunArchiveWindow::OnShowInFolderClick() {
  if (const auto row = SelectedRow()) {
    const std::wstring arguments = L"/select,\"" + winkit::WideFromAnsi(PathOf(*row)) + L"\"";
    ShellExecuteW(Handle(), L"open", L"explorer.exe", arguments.c_str(), nullptr, SW_SHOWNORMAL);
  }
}

void RunArchiveWindow::OnStatisticsClick() {
  if (const auto row = SelectedRow()) ShowStatisticsOf(*row);
}

void RunArchiveWindow::ShowStatisticsOf(std::size_t row) {
  if (row >= list_.Size()) return;
  const HWND window = Handle();
  const std::string path = PathOf(row), name = list_.At(row).fileName;
  worker_.Post([this, window, path, name] {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    std::optional<ArchivedRun> run = bytes ? ReadResultsFile(winkit::Utf8FromAnsi(*bytes)) : std::nullopt;
    winkit::PostToWindow(window, [this, name, run = std::move(run)] { OnRunRead(name, run); });
  });
}

void RunArchiveWindow::OnRunRead(const std::string& fileName, const std::optional<ArchivedRun>& run) {
  if (!run) {
    winkit::ShowMessageBox(Handle(),
                           winkit::WideFromUtf8(fileName + "\r" + PickText(curLanguage_, Text::ArchiveNotResults)),
                           kDefaultMessageTitle, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (statistics_) statistics_->Close();
  runStatistics_.Clear();
  for (const ArchivedReading& r : run->readings) runStatistics_.Add(r.readingNo, r.texts, r.judgement);
  statistics_ = std::make_unique<StatisticsWindow>(runStatistics_);
  if (!statistics_->Open(Handle(), curLanguage_)) return;
  statistics_->AllowanceChanged(run->allowance.value_or(Allowance{}));
  std::string caption = PickText(curLanguage_, Text::StatsCaption) + " - " + fileName;
  if (!run->allowance) caption += " - " + PickText(curLanguage_, Text::ArchiveNoLimits);
  winkit::SetUtf8Text(statistics_->Handle(), caption);
  statistics_->RefreshNow();
}

} // namespace orva
