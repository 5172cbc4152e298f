// Conversions at the Windows boundary. Lengths are passed explicitly, so
// embedded NULs (possible in the meter's texts) survive every conversion.
#include "winkit/text.h"

#include <climits>
#include <windows.h>

namespace winkit {
namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  const int written = MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
  wide.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(wide.size());
  // For the ANSI code page the platform puts its default character ('?') for
  // what has no ANSI form; UTF-8 has a form for everything.
  const int needed = WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string text(static_cast<std::size_t>(needed), '\0');
  const int written =
      WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), needed, nullptr, nullptr);
  text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return text;
}

} // namespace

std::wstring WideFromUtf8(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Utf8FromWide(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }
std::string AnsiFromUtf8(std::string_view utf8) { return FromWide(CP_ACP, WideFromUtf8(utf8)); }
std::string Utf8FromAnsi(std::string_view ansi) { return Utf8FromWide(ToWide(CP_ACP, ansi)); }
std::wstring WideFromAnsi(std::string_view ansi) { return ToWide(CP_ACP, ansi); }
std::string AnsiFromWide(std::wstring_view wide) { return FromWide(CP_ACP, wide); }

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

} // namespace winkit
