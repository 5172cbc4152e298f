// The text boundary on the platform's own conversions: UTF-8 and UTF-16,
// the ANSI code page, embedded NULs, the window-text reader.
#include "winkit/text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace winkit {
namespace {

using namespace std::string_literals;

TEST(WinkitText, TextBoundary) {
  EXPECT_EQ(WideFromUtf8("ｱﾗｰﾑNo."), L"\xFF71\xFF97\xFF70\xFF91No.");
  EXPECT_EQ(Utf8FromWide(L"\x6E2C\x5B9A\x4E2D"), "測定中");
  EXPECT_EQ(WideFromUtf8(""), L"");
  EXPECT_EQ(Utf8FromWide(L""), "");
  // Embedded NULs survive (the meter's texts may carry them).
  EXPECT_EQ(WideFromUtf8("1.5\0\0"s), L"1.5\0\0"s);
  EXPECT_EQ(Utf8FromWide(L"a\0b"s), "a\0b"s);
  // ASCII passes through the ANSI code page unchanged, whatever it is.
  EXPECT_EQ(AnsiFromUtf8("High Limit 80N"), "High Limit 80N");
  EXPECT_EQ(Utf8FromAnsi("Low  Limit 60N"), "Low  Limit 60N");
}

TEST(WinkitText, AnsiCodePageRoundTrip) {
  const UINT acp = GetACP();
  if (acp == 932) {
    EXPECT_EQ(Utf8FromAnsi(AnsiFromUtf8("上限値 ")), "上限値 ");
  } else if (acp == 1252) {
    EXPECT_EQ(AnsiFromUtf8("\xC3\xA9"), "\xE9");         // é
    EXPECT_EQ(Utf8FromAnsi("\xE9"), "\xC3\xA9");
    EXPECT_EQ(AnsiFromUtf8("上限"), "??");                // no ANSI form
  } else {
    GTEST_SKIP() << "ANSI code page " << acp;
  }
}

TEST(WinkitText, WindowTextReadsTheWholeCaption) {
  const std::wstring caption = L"\x6E2C\x5B9A\x4E2D " + std::wstring(300, L'x');
  HWND w = CreateWindowExW(0, L"STATIC", caption.c_str(), WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
  EXPECT_EQ(WindowText(w), caption);
  SetWindowTextW(w, L"");
  EXPECT_EQ(WindowText(w), L"");
  DestroyWindow(w);
}

} // namespace
} // namespace winkit
