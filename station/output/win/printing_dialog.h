// The printing box: while a printout goes to the printer, a small modeless
// box over the main window says what is being printed and which page, and
// offers Cancel. The main window is disabled meanwhile (no command can start
// in the middle of a print) but keeps handling its messages: readings and
// device messages arrive as at any other time, because every turn of the
// print routine, and the system's abort procedure while it spools, runs the
// message pump.
#pragma once

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

  // Shows "Page n of m" when the page changed, and handles the waiting
  // messages unless it did so a moment ago. False once the job is to stop
  // (Cancel, or CancelPrint).
  bool Turn(int page, int pages);
  // Handles the waiting messages. False once the job is to stop.
  bool Pump();

private:
  class Box;
  std::unique_ptr<Box> box_;
  HWND owner_;
  bool ownerWasEnabled_;
  std::string curLanguage_;
  int shownPage_ = 0;
  double lastPump_ = 0; // monotonic seconds
};

// The print command in progress, from its start (the Print dialog included)
// to its end: the main window asks before it acts on a command or a close
// request. CancelPrint stops the job at its next turn (AbortDoc: nothing is
// left at the spooler) or keeps it from starting; false when no print runs.
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
