// The toolkit's boundary pieces on the real platform: files and folders,
// the handle owner, the program folder, version resources, finding a
// process's window, the message-pumping wait.
#include "winkit/files.h"
#include "winkit/handle.h"
#include "winkit/process_window.h"
#include "winkit/program_folder.h"
#include "winkit/twips.h"
#include "winkit/version_resource.h"
#include "winkit/wait.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace winkit {
namespace {

std::string TempFolder() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  std::string path = folder;
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

TEST(WinkitFiles, FileAndFolderAreTellApart) {
  const std::string folder = TempFolder() + "\\winkit-files-" + std::to_string(GetCurrentProcessId());
  const std::string file = folder + "\\a.txt";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  UniqueHandle out(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  ASSERT_TRUE(out.Valid());
  out.Reset();

  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FolderExists(file));
  EXPECT_TRUE(FolderExists(folder));
  EXPECT_FALSE(FileExists(folder));
  EXPECT_FALSE(FileExists(folder + "\\missing.txt"));
  EXPECT_FALSE(FolderExists(folder + "\\missing"));

  DeleteFileA(file.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(WinkitHandle, ClosesOnceAndTreatsBothFailureValuesAsEmpty) {
  EXPECT_FALSE(UniqueHandle().Valid());
  EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE).Valid());
  // A failed CreateFile gives INVALID_HANDLE_VALUE; destroying it closes nothing.
  { UniqueHandle failed(CreateFileA("Z:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)); }

  HANDLE raw = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(raw, nullptr);
  DWORD flags = 0;
  {
    UniqueHandle first(raw);
    UniqueHandle moved(std::move(first));
    EXPECT_FALSE(first.Valid());
    EXPECT_EQ(moved.Get(), raw);
    EXPECT_TRUE(GetHandleInformation(raw, &flags)); // still open
  }
  EXPECT_FALSE(GetHandleInformation(raw, &flags)); // closed by the owner

  HANDLE kept = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  { UniqueHandle owner(kept); EXPECT_EQ(owner.Release(), kept); }
  EXPECT_TRUE(GetHandleInformation(kept, &flags)); // released, not closed
  CloseHandle(kept);
}

TEST(WinkitProgramFolder, FolderOfTheRunningProgramWithoutTrailingBackslash) {
  const std::string path = ModulePath();
  const std::string folder = ModuleFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_EQ(path.rfind(folder + "\\", 0), 0u) << path;
  EXPECT_EQ(path.find('\\', folder.size() + 1), std::string::npos) << path;
  EXPECT_TRUE(FileExists(path));
  // A library's folder: the system's kernel32.dll is not beside this program.
  EXPECT_NE(ModuleFolder(GetModuleHandleA("kernel32.dll")), folder);
}

TEST(WinkitVersionResource, ReadsTheFixedFileVersion) {
  const auto version = ReadFileVersion(ModulePath());
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->Major(), 3);
  EXPECT_EQ(version->Minor(), 14);
  EXPECT_EQ(version->Build(), 159);
  EXPECT_EQ(version->Revision(), 2653);
  wchar_t wide[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, wide, MAX_PATH);
  const auto viaWide = ReadFileVersion(std::wstring(wide));
  ASSERT_TRUE(viaWide.has_value());
  EXPECT_EQ(viaWide->ms, version->ms);
  EXPECT_EQ(viaWide->ls, version->ls);

  EXPECT_FALSE(ReadFileVersion(ModuleFolder() + "\\no-such-module.dll").has_value());
  EXPECT_FALSE(ReadFileVersion(std::wstring(L"C:\\no\\such.exe")).has_value());
}

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) ++*reinterpret_cast<int*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND PlainWindow(const wchar_t* title, int* counter = nullptr) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"WinkitTestPlain";
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                           wc.hInstance, nullptr);
  SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(counter));
  return w;
}

TEST(WinkitProcessWindow, FindsTheProcessWindowThatMatches) {
  HWND first = PlainWindow(L"winkit first");
  HWND second = PlainWindow(L"winkit second");
  const DWORD self = GetCurrentProcessId();
  EXPECT_EQ(WindowProcessId(second), self);
  EXPECT_EQ(WindowProcessId(nullptr), 0u);

  auto titled = [](const wchar_t* title) {
    return [title](HWND w) {
      wchar_t text[64] = {};
      GetWindowTextW(w, text, 64);
      return std::wstring(text) == title;
    };
  };
  EXPECT_EQ(FindTopLevelWindowOfProcess(self, titled(L"winkit second")), second);
  EXPECT_EQ(FindTopLevelWindowOfProcess(0, titled(L"winkit first")), first); // any process
  EXPECT_EQ(FindTopLevelWindowOfProcess(self, titled(L"nobody")), nullptr);
  EXPECT_EQ(WindowProcessId(FindTopLevelWindowOfProcess(self)), self);
  // A process id that owns no window (the system idle process never does).
  EXPECT_EQ(FindTopLevelWindowOfProcess(0xFFFFFFF0u), nullptr);
  DestroyWindow(first);
  DestroyWindow(second);
}

TEST(WinkitWait, MessagesAreServedDuringTheWaitAndAQuitIsKept) {
  int served = 0;
  HWND w = PlainWindow(L"winkit wait", &served);
  PostMessageW(w, WM_APP, 0, 0);
  PostQuitMessage(7);
  WaitSeconds(0.05f);
  EXPECT_EQ(served, 1);
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)); // posted again after the wait
  EXPECT_EQ(msg.wParam, 7u);
  DestroyWindow(w);
}

// A wait that ignored its stop check would outlast the test's time limit.
TEST(WinkitWait, AStopCheckEndsTheWaitAfterTheMessageThatMetIt) {
  int served = 0;
  HWND w = PlainWindow(L"winkit stop", &served);
  PostMessageW(w, WM_APP, 0, 0);
  WaitSeconds(600.0, [&served] { return served > 0; });
  EXPECT_EQ(served, 1);
  DestroyWindow(w);
}

TEST(WinkitTwips, PixelRectConvertsEdgesWithTheGivenScale) {
  const RECT screen = PixelRect(TwipRect{150, 300, 1440, 7}, Dpi{96, 96});
  EXPECT_EQ(screen.left, 10);
  EXPECT_EQ(screen.top, 20);
  EXPECT_EQ(screen.right, 106);
  EXPECT_EQ(screen.bottom, 20); // 300 + 7 twips: still the same pixel row
  const RECT printer = PixelRect(TwipRect{1440, 720, 2880, 1440}, Dpi{600, 300});
  EXPECT_EQ(printer.left, 600);
  EXPECT_EQ(printer.top, 150);
  EXPECT_EQ(printer.right, 1800);
  EXPECT_EQ(printer.bottom, 450);
  const Dpi screenDpi = ScreenDpi();
  EXPECT_GT(screenDpi.x, 0);
  EXPECT_GT(screenDpi.y, 0);
  HDC dc = GetDC(nullptr);
  EXPECT_EQ(DeviceDpi(dc).y, screenDpi.y);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(DeviceDpi(nullptr).x, 96);
}

} // namespace
} // namespace winkit
