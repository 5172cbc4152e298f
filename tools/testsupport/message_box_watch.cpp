#include "message_box_watch.h"

#include "remote_window.h"
#include "winkit/process_window.h"

namespace orva::testsupport {
namespace {

std::wstring ClassOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

BOOL CALLBACK CollectStaticText(HWND w, LPARAM param) {
  auto* text = reinterpret_cast<std::wstring*>(param);
  if (ClassOf(w) == L"Static" && !(GetWindowLongW(w, GWL_STYLE) & SS_ICON)) {
    const std::wstring t = RemoteWindowText(w);
    if (!t.empty()) *text = t;
  }
  return TRUE;
}

struct ButtonSearch {
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK MatchButton(HWND w, LPARAM param) {
  auto* s = reinterpret_cast<ButtonSearch*>(param);
  if (ClassOf(w) != L"Button") return TRUE;
  std::wstring plain;
  for (wchar_t c : RemoteWindowText(w))
    if (c != L'&') plain += c;
  if (plain == s->caption) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

} // namespace

MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    const HWND box = winkit::FindTopLevelWindowOfProcess(
        processId, [](HWND w) { return ClassOf(w) == L"#32770" && IsWindowVisible(w); });
    if (box) {
      MessageBoxSeen seen;
      seen.window = box;
      seen.title = RemoteWindowText(box);
      EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen.text));
      return seen;
    }
    Sleep(50);
  } while (GetTickCount() - start < ms);
  return {};
}

bool PressMessageBoxButton(HWND box, const wchar_t* caption) {
  ButtonSearch search{caption, nullptr};
  EnumChildWindows(box, MatchButton, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(search.found), BN_CLICKED),
               reinterpret_cast<LPARAM>(search.found));
  return true;
}

} // namespace orva::testsupport
