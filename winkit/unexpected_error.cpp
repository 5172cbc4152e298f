#include "winkit/unexpected_error.h"

#include "winkit/message_box.h"

namespace winkit {
namespace {

std::wstring& Title() {
  static std::wstring title;
  return title;
}

} // namespace

void SetProgramTitle(const std::wstring& title) { Title() = title; }
const std::wstring& ProgramTitle() { return Title(); }

void EndOnUnexpectedError(HWND owner, const char* what) {
  // what() texts are ASCII in practice; each byte is shown as it is.
  std::wstring text = L"Run-time error: ";
  for (const char* p = what ? what : ""; *p; ++p) text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  ShowMessageBox(owner, text, ProgramTitle(), MB_OK | MB_ICONSTOP);
  ExitProcess(1);
}

} // namespace winkit
