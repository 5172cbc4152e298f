#include "tools/testsupport/message_box_watch.h"

#include "tools/testsupport/desktop.h"
#include "tools/testsupport/remote_window.h"
#include "winkit/process_window.h"

namespace orva::testsupport {
namespace {

// Control identifier of the message text in the system's message box.
constexpr int kMessageBoxTextId = 0xFFFF;

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
    const HWND box = winkit::FindTopLevelWindowOfProcess(processId, [](HWND w) {
      return WindowClassName(w) == L"#32770" && IsWindowVisible(w) && GetDlgItem(w, kMessageBoxTextId) != nullptr;
    });
    if (box) {
      MessageBoxSeen seen;
      seen.window = box;
      seen.title = RemoteWindowText(box);
      seen.text = RemoteWindowText(GetDlgItem(box, kMessageBoxTextId));
      EnumChildWindows(box, ReadBoxChild, reinterpret_cast<LPARAM>(&seen));
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
