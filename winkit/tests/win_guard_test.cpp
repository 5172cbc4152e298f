// The guard seen from outside, as a user sees it: a handler of a window, of
// a dialog and of a subclass procedure throws in a separate program; the
// program shows the error box with its title and the error's text, and ends
// with exit code 1 once the box is closed, never silently and never by a
// crash of its message loop.
#include "winkit/handle.h"
#include "winkit/program_folder.h"

#include "tools/testsupport/message_box_watch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace winkit {
namespace {

struct Probe {
  UniqueHandle process;
  UniqueHandle thread;
  DWORD id = 0;
};

Probe StartProbe(const std::string& where) {
  std::string commandLine = "\"";
  commandLine.append(ModuleFolder()).append("\\winkit_guard_probe.exe\" ").append(where);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  Probe probe;
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &started)) {
    probe.process.Reset(started.hProcess);
    probe.thread.Reset(started.hThread);
    probe.id = started.dwProcessId;
  }
  return probe;
}

TEST(WinkitGuard, AnExceptionInAnyHandlerEndsTheProgramWithTheErrorBox) {
  const struct {
    const char* where;
    const wchar_t* text;
  } cases[] = {
      {"window", L"Run-time error: window handler failed"},
      {"dialog", L"Run-time error: dialog handler failed"},
      {"subclass", L"Run-time error: subclass handler failed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    Probe probe = StartProbe(c.where);
    ASSERT_TRUE(probe.process.Valid());
    const auto box = orva::testsupport::WaitForMessageBox(probe.id, 20000);
    if (!box.window) TerminateProcess(probe.process.Get(), 9);
    ASSERT_NE(box.window, nullptr) << "no error box: the exception went unseen";
    EXPECT_EQ(box.title, L"Guard probe");
    EXPECT_EQ(box.text, c.text);
    // The program waits for the user before it ends.
    EXPECT_EQ(WaitForSingleObject(probe.process.Get(), 200), static_cast<DWORD>(WAIT_TIMEOUT));
    ASSERT_TRUE(orva::testsupport::PressMessageBoxButton(box.window, L"OK"));
    ASSERT_EQ(WaitForSingleObject(probe.process.Get(), 20000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = 0;
    GetExitCodeProcess(probe.process.Get(), &code);
    EXPECT_EQ(code, 1u);
  }
}

} // namespace
} // namespace winkit
