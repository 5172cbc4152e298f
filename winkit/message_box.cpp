#include "winkit/message_box.h"

namespace winkit {
namespace {

int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT type) {
  return MessageBoxW(owner, text.c_str(), title.c_str(), type);
}

MessageBoxFn g_messageBox = SystemMessageBox;

} // namespace

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT type) {
  return g_messageBox(owner, text, title, type);
}

MessageBoxFn SetMessageBoxFn(MessageBoxFn fn) {
  MessageBoxFn before = g_messageBox;
  g_messageBox = fn ? fn : SystemMessageBox;
  return before;
}

} // namespace winkit
