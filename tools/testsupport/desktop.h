// Driving the windows of another process from outside, as a person would:
// find a top-level window by its caption, press a button by its caption
// (only a visible, enabled one, as a person can), read labels and other
// control texts, read and dismiss a message box, start a program and wait for
// it or for a process of a given name to end. Used by the end-to-end tests of
// the station and of the installer tools.
#pragma once

#include "tools/testsupport/message_box_watch.h"
#include "tools/testsupport/remote_window.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orva::testsupport {

// The window's class name ("Button", "Static", "#32770", ...).
std::wstring WindowClassName(HWND window);

// A caption as a person reads it: '&' mnemonics removed ("&&" stays "&").
std::wstring PlainCaption(const std::wstring& caption);

// The first visible top-level window with exactly this caption, of process
// `pid` (0: any process); nullptr when none shows within `ms`.
HWND WaitForTopLevelWindow(const std::wstring& caption, DWORD ms, DWORD pid = 0);
// The same without waiting; also invisible windows when `visibleOnly` is false.
HWND FindTopLevelWindow(const std::wstring& caption, DWORD pid = 0, bool visibleOnly = true);

// A control anywhere below `window` (controls may sit inside frames) whose
// plain caption is `caption`; `className` (e.g. L"Button") narrows the search.
HWND FindControlByCaption(HWND window, const std::wstring& caption, const wchar_t* className = nullptr);
HWND FindControlById(HWND window, int id);

// Shown means the control and all its parents are visible.
bool IsShown(HWND control);
bool IsUsable(HWND control); // shown and enabled, itself and its parents

// Presses the button (or option button) with this caption; false when there
// is none a person could press (missing, hidden or disabled).
bool PressButton(HWND window, const std::wstring& caption);
// True while a button with this caption is shown and enabled.
bool ButtonUsable(HWND window, const std::wstring& caption);
// Waits until that button can be pressed; false on time-out.
bool WaitForButton(HWND window, const std::wstring& caption, DWORD ms);

// Texts of the shown labels (static controls without an icon) below
// `window`, in the order of their windows.
std::vector<std::wstring> ShownLabelTexts(HWND window);
// Waits until `read()` returns `expected`; returns the last text read.
template <typename Read>
std::wstring WaitForText(Read read, const std::wstring& expected, DWORD ms) {
  const DWORD start = GetTickCount();
  std::wstring now = read();
  while (now != expected && GetTickCount() - start < ms) {
    Sleep(50);
    now = read();
  }
  return now;
}

// A program started the way a person starts one (the shell's "open"), its
// process kept for waiting; ended with TerminateProcess if still running
// when this object goes.
class StartedProgram {
public:
  StartedProgram() = default;
  // `folder` empty: the program's own folder is the current directory.
  static StartedProgram Open(const std::string& path, const std::string& parameters = {},
                             const std::string& folder = {});
  ~StartedProgram();
  StartedProgram(StartedProgram&& other) noexcept;
  StartedProgram& operator=(StartedProgram&& other) noexcept;
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  explicit operator bool() const { return process_ != nullptr; }
  DWORD ProcessId() const { return pid_; }
  HANDLE Handle() const { return process_; }
  // Waits for the end; false on time-out. `exitCode` receives the code.
  bool WaitForEnd(DWORD ms, DWORD* exitCode = nullptr) const;
  bool Running() const;

private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Processes whose file name is `exeName` (case ignored), e.g. L"INSTALL.EXE".
std::vector<DWORD> ProcessesNamed(const wchar_t* exeName);
// Waits until such a process runs; its id, or 0 on time-out.
DWORD WaitForProcessNamed(const wchar_t* exeName, DWORD ms);
// Waits until no such process runs; false on time-out.
bool WaitForNoProcessNamed(const wchar_t* exeName, DWORD ms);
// Ends every process of that name (test clean-up).
void EndProcessesNamed(const wchar_t* exeName);

} // namespace orva::testsupport
