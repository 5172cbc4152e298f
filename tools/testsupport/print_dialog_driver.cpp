#include "tools/testsupport/print_dialog_driver.h"

#include "winkit/process_window.h"

#include <dlgs.h>

namespace orva::testsupport {
namespace {

bool IsVisibleDialog(HWND w) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  return IsWindowVisible(w) && std::wstring(cls) == L"#32770";
}

// A visible dialog with the printer list.
bool IsPrintDialog(HWND w) { return IsVisibleDialog(w) && GetDlgItem(w, cmb4); }

// The station's printing box: no printer list, a Cancel button.
bool IsPrintingBox(HWND w) { return IsVisibleDialog(w) && !GetDlgItem(w, cmb4) && GetDlgItem(w, IDCANCEL); }

std::wstring ItemText(HWND combo, LRESULT index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

// A top-level window of the process that `is` accepts; null on time-out.
template <typename Is> HWND WaitForWindowOfProcess(DWORD processId, Is is, DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    if (const HWND found = winkit::FindTopLevelWindowOfProcess(processId, is)) return found;
    Sleep(20);
  } while (GetTickCount() - start < ms);
  return nullptr;
}

} // namespace

HWND WaitForPrintDialog(DWORD processId, DWORD ms) { return WaitForWindowOfProcess(processId, IsPrintDialog, ms); }

std::vector<std::wstring> PrinterChoices(HWND dialog) {
  const HWND combo = GetDlgItem(dialog, cmb4);
  std::vector<std::wstring> names;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) names.push_back(ItemText(combo, i));
  return names;
}

std::wstring ChosenPrinter(HWND dialog) {
  const HWND combo = GetDlgItem(dialog, cmb4);
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  return index < 0 ? std::wstring() : ItemText(combo, index);
}

bool ChoosePrinter(HWND dialog, const std::wstring& name) {
  const HWND combo = GetDlgItem(dialog, cmb4);
  const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(name.c_str()));
  if (index < 0) return false;
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  return ChosenPrinter(dialog) == name;
}

HWND WaitForPrintingBox(DWORD processId, DWORD ms) { return WaitForWindowOfProcess(processId, IsPrintingBox, ms); }

std::vector<std::wstring> PrintingBoxLines(HWND box) {
  std::vector<std::wstring> lines;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    GetClassNameW(c, cls, 16);
    if (_wcsicmp(cls, L"Static") != 0) continue;
    wchar_t text[512] = {};
    SendMessageW(c, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    lines.emplace_back(text);
  }
  return lines;
}

void CancelPrintingBox(HWND box) { PostMessageW(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0); }

void ConfirmPrintDialog(HWND dialog) { PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }
void CancelPrintDialog(HWND dialog) { PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); }

bool WaitUntilGone(HWND window, DWORD ms) {
  const DWORD start = GetTickCount();
  while (IsWindow(window)) {
    if (GetTickCount() - start >= ms) return false;
    Sleep(50);
  }
  return true;
}

} // namespace orva::testsupport
