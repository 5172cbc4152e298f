// The one place where texts cross the Windows boundary. Inside the program
// texts are UTF-8; the screen takes UTF-16 (the ...W functions), while files
// and shared-block records are in the ANSI code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace winkit {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
std::string AnsiFromUtf8(std::string_view utf8); // characters with no ANSI form become '?'
std::string Utf8FromAnsi(std::string_view ansi);
std::wstring WideFromAnsi(std::string_view ansi);
std::string AnsiFromWide(std::wstring_view wide); // characters with no ANSI form become '?'

// The text of a window of this process (a control's caption or contents).
std::wstring WindowText(HWND window);

} // namespace winkit
