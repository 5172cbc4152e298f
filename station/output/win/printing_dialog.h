// The printing box: while a printout goes to the printer, a small modeless
// box over the main window says what is being printed and which page, and
// offers Cancel. The main window is disabled meanwhile (no command can start
// in the middle of a print) but goes on handling its messages: readings and
// device messages arrive as at any other time, because the job runs on a
// thread of its own while this thread serves the box and the program's
// messages.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <windows.h>

namespace orva {

class PrintingDialog {
public:
  // Shows the box over `owner` (may be null) and disables the owner.
  // `what` is the first line, UTF-8; `font` (may be null) the controls' font.
  PrintingDialog(HWND owner, const std::string& curLanguage, const std::string& what, HFONT font);
  // Enables the owner again before the box goes, so the focus returns to it.
  ~PrintingDialog();
  PrintingDialog(const PrintingDialog&) = delete;
  PrintingDialog& operator=(const PrintingDialog&) = delete;

  // Handles the thread's messages, and shows "Page n of m" as `page` tells
  // it, until `done` is signalled.
  void ServeUntil(HANDLE done, const std::function<int()>& page, int pages);

private:
  class Box;
  std::unique_ptr<Box> box_;
  HWND owner_;
  bool ownerWasEnabled_;
};

// The print command in progress, from its start (the Print dialog included)
// to its end: the main window asks before it acts on a command or a close
// request. CancelPrint stops the job at its next text (AbortDoc: nothing is
// left at the spooler) or keeps it from starting; false when no print runs.
// PrintCancelled may be asked from the job's thread.
class PrintCommandRunning {
public:
  PrintCommandRunning();
  ~PrintCommandRunning();
  PrintCommandRunning(const PrintCommandRunning&) = delete;
  PrintCommandRunning& operator=(const PrintCommandRunning&) = delete;
};
bool PrintInProgress();
bool CancelPrint();
bool PrintCancelled();

} // namespace orva
