#include "tools/testsupport/message_box_watch.h"

#include "tools/testsupport/desktop.h"
#include "tools/testsupport/remote_window.h"

namespace orva::testsupport {
namespace {

// Control identifier of the message text in the system's message box.
constexpr int kMessageBoxTextId = 0xFFFF;

struct BoxSearch {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK MatchBox(HWND w, LPARAM param) {
  auto* s = reinterpret_cast<BoxSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if ((s->pid == 0 || pid == s->pid) && WindowClassName(w) == L"#32770" && IsWindowVisible(w) &&
      GetDlgItem(w, kMessageBoxTextId) != nullptr) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK ReadBoxChild(HWND w, LPARAM param) {
  auto* seen = reinterpret_cast<MessageBoxSeen*>(param);
  const std::wstring cls = WindowClassName(w);
  if (_wcsicmp(cls.c_str(), L"Button") == 0 && IsWindowVisible(w)) {
    seen->buttons.push_back(PlainCaption(RemoteWindowText(w)));
  } else if (_wcsicmp(cls.c_str(), L"Static") == 0 && (GetWindowLongW(w, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    DWORD_PTR icon = 0;
    SendMessageTimeoutW(w, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000, &icon);
    if (IsWindowVisible(w) && icon != 0) seen->hasIcon = true;
  }
  return TRUE;
}

} // namespace

MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    BoxSearch search{processId, nullptr};
    EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      MessageBoxSeen seen;
      seen.window = search.found;
      seen.title = RemoteWindowText(search.found);
      seen.text = RemoteWindowText(GetDlgItem(search.found, kMessageBoxTextId));
      EnumChildWindows(search.found, ReadBoxChild, reinterpret_cast<LPARAM>(&seen));
      return seen;
    }
    if (GetTickCount() - start >= ms) return {};
    Sleep(50);
  }
}

bool PressMessageBoxButton(HWND box, const wchar_t* caption) {
  HWND button = FindControlByCaption(box, caption, L"Button");
  if (!button) return false;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return true;
}

bool DismissMessageBox(const MessageBoxSeen& box, DWORD ms) {
  if (!box.window || !PressMessageBoxButton(box.window, L"OK")) return false;
  const DWORD start = GetTickCount();
  while (IsWindow(box.window)) {
    if (GetTickCount() - start >= ms) return false;
    Sleep(50);
  }
  return true;
}

} // namespace orva::testsupport
