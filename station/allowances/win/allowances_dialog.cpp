#include "station/allowances/win/allowances_dialog.h"

#include "station/allowances/allowance_import.h"
#include "station/allowances/allowances_layout.h"
#include "station/allowances/win/allowance_entry_dialog.h"
#include "station/output/win/output_files.h"
#include "station/output/win/save_dialog.h"
#include "station/settings/win/fonts_win.h"
#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/dialog.h"
#include "winkit/message_box.h"
#include "winkit/text.h"

#include <array>
#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

namespace orva {
namespace {

using winkit::ControlKind;
using A = AllowancesCtl;

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kReport = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;

constexpr std::array<winkit::ControlLook<AllowancesCtl>, static_cast<std::size_t>(AllowancesCtl::Count)> kLooks = {{
    {A::lstAllowances, ControlKind::Custom, 0}, // the entries, one row each
    {A::cmdUse, ControlKind::Button, kButton | BS_DEFPUSHBUTTON}, // sets the main window to the selected one
    {A::cmdNew, ControlKind::Button, kButton},
    {A::cmdEdit, ControlKind::Button, kButton},
    {A::cmdDelete, ControlKind::Button, kButton},
    {A::cmdMoveUp, ControlKind::Button, kButton},
    {A::cmdMoveDown, ControlKind::Button, kButton},
    {A::cmdImport, ControlKind::Button, kButton}, // from a CSV file
    {A::cmdExport, ControlKind::Button, kButton}, // to a CSV file
    {A::cmdClose, ControlKind::Button, kButton},
    {A::txtReport, ControlKind::Edit, kReport}, // what the last import refused
}};
static_assert(winkit::RowsInEnumOrder(kLooks), "every AllowancesCtl has its row, in the order of the enum");

struct Column {
  Text head;
  int twips;
};
constexpr Column kColumns[] = {{Text::AllowanceName, 2100}, {Text::AllowanceUnit, 600}, {Text::AllowanceHigh, 900},
                               {Text::AllowanceLow, 900},   {Text::AllowancePrintTitle, 1600}};

int IdOf(AllowancesCtl c) { return kAllowancesFirstControlId + static_cast<int>(c); }

std::string CellOf(const AllowanceEntry& e, int column) {
  switch (column) {
  case 0: return e.name;
  case 1: return LimitUnitText(e.unit);
  case 2: return e.high;
  case 3: return e.low;
  default: return e.title;
  }
}

// "CSV files (*.csv)" NUL "*.csv" NUL NUL, in the ANSI code page.
std::string CsvFilter(std::string_view lang) {
  std::string filter = winkit::AnsiFromUtf8(PickText(lang, Text::CsvFileFilter));
  filter.append(1, '\0').append("*.csv").append(2, '\0');
  return filter;
}

// Import and export start in the operator's documents, where a file from
// the plant is looked for and an export is found again: not the program
// folder, whose writes Vista and later redirect to a per-user store.
std::string DocumentsFolder() {
  char documents[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents))) return {};
  return documents;
}

std::optional<std::string> ChooseFileToOpen(HWND owner, const std::string& filter) {
  char path[MAX_PATH] = {};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrDefExt = "csv";
  const std::string documents = DocumentsFolder();
  ofn.lpstrInitialDir = documents.empty() ? nullptr : documents.c_str();
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&ofn)) return std::nullopt;
  return std::string(path);
}

class AllowancesDialog : public winkit::Dialog {
public:
  explicit AllowancesDialog(AllowancesChoice& choice) : choice_(choice), list_(*choice.list) {}
  bool Show(HWND owner) { return ShowModal(owner) == IDOK; }

private:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
    case WM_INITDIALOG: FormLoad(); return TRUE;
    case WM_NOTIFY: return OnListNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_COMMAND: return OnCommand(LOWORD(wp), HIWORD(wp));
    }
    return FALSE;
  }

  HWND Ctl(AllowancesCtl c) const { return GetDlgItem(Handle(), IdOf(c)); }
  std::string Pick(Text id) const { return PickText(choice_.curLanguage, id); }

  void FormLoad() {
    SizeClient(kAllowancesClientWidth, kAllowancesClientHeight);
    std::array<winkit::ControlSpec, kLooks.size()> table{};
    for (const auto& look : kLooks)
      table[static_cast<std::size_t>(look.id)] = {IdOf(look.id), look.kind, 0, AllowancesRect(look.id), look.style};
    BuildDialogControls(table, [](const winkit::ControlSpec& row, HWND parent, const RECT& r) {
      const HWND list = CreateWindowExW(
          WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA,
          r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), GetModuleHandleW(nullptr), nullptr);
      if (list) SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
      return list;
    });
    for (HWND control : DialogControls()) SetCtrlFont(control, choice_.curLanguage);
    SetFormFont(Handle(), choice_.curLanguage);
    winkit::SetUtf8Text(Handle(), Pick(Text::AllowancesCaption));
    const std::pair<AllowancesCtl, Text> captions[] = {
        {A::cmdUse, Text::AllowanceUse},         {A::cmdNew, Text::AllowanceNew},
        {A::cmdEdit, Text::AllowanceEdit},       {A::cmdDelete, Text::AllowanceDelete},
        {A::cmdMoveUp, Text::AllowanceMoveUp},   {A::cmdMoveDown, Text::AllowanceMoveDown},
        {A::cmdImport, Text::AllowanceImport},   {A::cmdExport, Text::AllowanceExport},
        {A::cmdClose, Text::AllowanceClose}};
    for (const auto& [control, text] : captions) winkit::SetUtf8Text(Ctl(control), Pick(text));
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
      const std::wstring head = winkit::WideFromUtf8(Pick(kColumns[i].head));
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT;
      column.pszText = const_cast<wchar_t*>(head.c_str());
      SendMessageW(Ctl(A::lstAllowances), LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    SizeColumns(DialogDpi());
    // The report may be long: ten thousand refused lines are cut, but the
    // edit box's own limit is smaller still.
    SendMessageW(Ctl(A::txtReport), EM_SETLIMITTEXT, 0, 0);
    ShowReport(choice_.report);
    Refill(list_.Find(choice_.activeName).value_or(0)); // else the first
  }

  void SizeColumns(winkit::Dpi dpi) {
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
      SendMessageW(Ctl(A::lstAllowances), LVM_SETCOLUMNWIDTH, i, winkit::TwipsToPixels(kColumns[i].twips, dpi.x));
  }
  void OnDpiChanged(winkit::Dpi dpi) override { SizeColumns(dpi); }

  // ---- the list ---------------------------------------------------------

  std::optional<std::size_t> Selected() const {
    const LRESULT row = SendMessageW(Ctl(A::lstAllowances), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (row < 0 || static_cast<std::size_t>(row) >= list_.Size()) return std::nullopt;
    return static_cast<std::size_t>(row);
  }

  void Refill(std::optional<std::size_t> select) {
    const HWND list = Ctl(A::lstAllowances);
    SendMessageW(list, LVM_SETITEMCOUNT, list_.Size(), 0);
    InvalidateRect(list, nullptr, FALSE);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (select && *select < list_.Size()) {
      item.state = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(list, LVM_SETITEMSTATE, *select, reinterpret_cast<LPARAM>(&item));
      SendMessageW(list, LVM_ENSUREVISIBLE, *select, FALSE);
    }
    ShowButtons();
  }

  void ShowButtons() {
    const AllowancesButtons b = ButtonsFor(Selected(), list_.Size(), choice_.limitsEditable);
    winkit::Enable(Ctl(A::cmdUse), b.use);
    winkit::Enable(Ctl(A::cmdEdit), b.edit);
    winkit::Enable(Ctl(A::cmdDelete), b.remove);
    winkit::Enable(Ctl(A::cmdMoveUp), b.moveUp);
    winkit::Enable(Ctl(A::cmdMoveDown), b.moveDown);
    winkit::Enable(Ctl(A::cmdExport), b.exportList);
  }

  void ShowReport(const std::string& text) { winkit::SetUtf8Text(Ctl(A::txtReport), text); }

  INT_PTR OnListNotify(const NMHDR* header) {
    if (!header || header->idFrom != static_cast<UINT_PTR>(IdOf(A::lstAllowances))) return FALSE;
    switch (header->code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(header))->item;
      if ((item.mask & LVIF_TEXT) && item.iItem >= 0 && static_cast<std::size_t>(item.iItem) < list_.Size()) {
        cellText_ = winkit::WideFromUtf8(CellOf(list_.At(item.iItem), item.iSubItem));
        lstrcpynW(item.pszText, cellText_.c_str(), item.cchTextMax);
      }
      return TRUE;
    }
    case LVN_ITEMCHANGED: ShowButtons(); return TRUE;
    case NM_DBLCLK:
      if (ButtonsFor(Selected(), list_.Size(), choice_.limitsEditable).use) OnUseClick();
      return TRUE;
    default: return FALSE;
    }
  }

  // ---- the buttons --------------------------------------------------------

  INT_PTR OnCommand(int id, int code) {
    if (code != BN_CLICKED) return FALSE;
    const auto enabled = [this](AllowancesCtl c) { return IsWindowEnabled(Ctl(c)) != FALSE; };
    switch (id - kAllowancesFirstControlId) {
    case static_cast<int>(A::cmdUse): if (enabled(A::cmdUse)) OnUseClick(); break;
    case static_cast<int>(A::cmdNew): OnNewClick(); break;
    case static_cast<int>(A::cmdEdit): if (enabled(A::cmdEdit)) OnEditClick(); break;
    case static_cast<int>(A::cmdDelete): if (enabled(A::cmdDelete)) OnDeleteClick(); break;
    case static_cast<int>(A::cmdMoveUp): if (enabled(A::cmdMoveUp)) Changed(list_.MoveUp(*Selected())); break;
    case static_cast<int>(A::cmdMoveDown): if (enabled(A::cmdMoveDown)) Changed(list_.MoveDown(*Selected())); break;
    case static_cast<int>(A::cmdImport): OnImportClick(); break;
    case static_cast<int>(A::cmdExport): if (enabled(A::cmdExport)) OnExportClick(); break;
    case static_cast<int>(A::cmdClose): End(IDCANCEL); break;
    default:
      if (id == IDOK) { // Enter: the default button
        if (enabled(A::cmdUse)) OnUseClick();
        break;
      }
      return FALSE;
    }
    return TRUE;
  }

  void OnUseClick() {
    choice_.chosen = Selected();
    if (choice_.chosen) End(IDOK);
  }

  void OnNewClick() {
    EntryChoice entry{choice_.curLanguage, {}, [this](const AllowanceEntry& e) { return list_.Add(e); }};
    if (ShowAllowanceEntryDialog(Handle(), entry)) Changed(list_.Size() - 1);
  }

  void OnEditClick() {
    const std::size_t index = *Selected();
    EntryChoice entry{choice_.curLanguage, list_.At(index),
                      [this, index](const AllowanceEntry& e) { return list_.Replace(index, e); }};
    if (ShowAllowanceEntryDialog(Handle(), entry)) Changed(index);
  }

  void OnDeleteClick() {
    const std::size_t index = *Selected();
    list_.Remove(index);
    Changed(list_.Size() == 0 ? std::nullopt : std::optional<std::size_t>(index < list_.Size() ? index : index - 1));
  }

  void OnImportClick() {
    const auto path = ChooseFileToOpen(Handle(), CsvFilter(choice_.curLanguage));
    if (!path) return;
    const std::optional<std::string> bytes = ReadWholeFile(*path);
    if (!bytes) {
      ShowReport(Pick(Text::ImportNotRead));
      return;
    }
    const ImportOutcome outcome = ImportAllowances(list_, *bytes, choice_.curLanguage);
    ShowReport(outcome.report);
    Changed(Selected());
  }

  void OnExportClick() {
    SaveDialogRequest request{CsvFilter(choice_.curLanguage), "Allowances.csv", 1,
                              OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR, DocumentsFolder()};
    const auto path = ChooseFileToSave(Handle(), request, choice_.curLanguage);
    if (!path) return;
    if (!WriteWholeFile(*path, WriteAllowanceCsv(list_.Entries())))
      Tell(FillIn(Pick(Text::ExportNotWritten), winkit::Utf8FromAnsi(*path), ""));
  }

  // Stored at once, so a crash loses no change; the list shows it either way.
  void Changed(std::optional<std::size_t> select) {
    Refill(select);
    if (choice_.store && !choice_.store())
      Tell(FillIn(Pick(Text::ListNotWritten), winkit::Utf8FromAnsi(choice_.listPath), ""));
  }

  void Tell(const std::string& text) {
    winkit::ShowMessageBox(Handle(), winkit::WideFromUtf8(text), winkit::WideFromUtf8(Pick(Text::AllowancesCaption)),
                           MB_OK | MB_ICONEXCLAMATION);
  }

  AllowancesChoice& choice_;
  AllowanceList& list_;
  std::wstring cellText_; // the text a list cell was last given
};

} // namespace

bool ShowAllowancesDialog(HWND owner, AllowancesChoice& choice) {
  if (!choice.list) return false;
  AllowancesDialog dialog(choice);
  return dialog.Show(owner);
}

} // namespace orva
