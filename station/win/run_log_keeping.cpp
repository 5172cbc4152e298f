// The main window's side of the run log: START's emptying, each kept line,
// bringing the file up to date for the save and print commands, and the
// once-per-run notices.
#include "station/win/main_window.h"

#include "winkit/message_box.h"

#include <utility>

namespace orva {

void MainWindow::StartRunLog() {
  runLogNoticeShown_ = false;
  runLogFullNoticeShown_ = false;
  // A run log that cannot be emptied now is emptied before the first line
  // of this run is written, so two runs never mix.
  if (!runLog_.Start(lib_.TempPath)) RunLogNotWritten();
}

void MainWindow::RecordInRunLog(std::string line) {
  // A run log that cannot be written costs neither the reading on screen
  // nor the run; the line waits for the file.
  switch (runLog_.Keep(lib_.TempPath, std::move(line))) {
  case KeepResult::Written:
    break;
  case KeepResult::Held:
    RunLogNotWritten();
    break;
  case KeepResult::Dropped:
    RunLogNotWritten();
    RunLogFull();
    break;
  }
}

bool MainWindow::BringRunLogUpToDate() { return runLog_.BringUpToDate(); }

// Told once per run, and never from inside the reading's own message: the
// device side waits for that message to return, so the box is posted.
void MainWindow::RunLogNotWritten() {
  if (runLogNoticeShown_) return;
  runLogNoticeShown_ = true;
  PostMessageW(Handle(), kMsgRunLogNotice, kRunLogNotWritten, 0);
}

void MainWindow::RunLogFull() {
  if (runLogFullNoticeShown_) return;
  runLogFullNoticeShown_ = true;
  PostMessageW(Handle(), kMsgRunLogNotice, kRunLogFull, 0);
}

void MainWindow::OnRunLogNotice(WPARAM which) {
  winkit::ShowMessageBox(Handle(), Pick(which == kRunLogFull ? Text::RunLogFull : Text::RunLogNotWritten),
                         kDefaultMessageTitle, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace orva
