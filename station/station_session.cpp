#include "station/station_session.h"

namespace orva {

StationSession::LoadResult StationSession::Load() {
  // One copy at a time; a second one leaves without touching anything.
  if (!shell_.TakeProgramName()) {
    shell_.DestroyWindow();
    return LoadResult::SecondInstance;
  }
  nameHeld_ = true;
  stage_ = Stage::Loading;
  flow_.BeginLoad();
  shell_.SetPaths();
  hooks_->BeforeRunLogUse();
  shell_.PrepareWindow();
  flow_.ShowStartScreen();
  shell_.HideDiagnose();

  // The subclass goes in before USBStart: its 0x465 arrives inside the call.
  shell_.InstallSubclass();
  subclassed_ = true;
  if (!shell_.Wait(0.1f)) return LoadResult::Unloaded;

  if (!shell_.LibraryFilePresent()) {
    shell_.TellLibraryMissing();
    BeginExit(ExitReason::LibraryMissing);
    shell_.RequestClose();
    return LoadResult::Unloaded;
  }
  shell_.OpenLink();
  flow_.AfterLinkStart();
  stage_ = Stage::Running;
  return LoadResult::Loaded;
}

bool StationSession::CommandsMayRun() const { return stage_ == Stage::Running && busy_ == Busy::None; }

void StationSession::RunBusy(Busy kind, const std::function<void()>& work) {
  busy_ = kind;
  work();
  busy_ = Busy::None;
  // A close request during a print cancelled it; the close goes on now.
  if (closeAfterBusy_) {
    closeAfterBusy_ = false;
    shell_.RequestCloseLater();
  }
}

void StationSession::PrintJobStarted() {
  if (busy_ == Busy::PrintDialog) busy_ = Busy::Printing;
}

void StationSession::ExitClicked() {
  BeginExit(ExitReason::ExitCommand);
  stage_ = Stage::ShuttingDown;
  ShutdownLink();
  shell_.RequestClose();
}

void StationSession::CloseRequested() {
  // A second request while the first is still shutting down is dropped.
  if (stage_ == Stage::Closing || stage_ == Stage::Closed) return;
  // During a print: first the print is cancelled (in its dialog: it will not
  // start), then, when the print command has returned, the normal shutdown.
  if (busy_ == Busy::PrintDialog || busy_ == Busy::Printing) {
    shell_.CancelPrint();
    closeAfterBusy_ = true;
    return;
  }
  // Any other state closes now, a settings dialog or a save dialog included:
  // the close request never refuses.
  if (nameHeld_) BeginExit(ExitReason::CloseRequest);
  stage_ = Stage::Closing;
  QueryUnload();
  shell_.DestroyWindow();
}

// The close request takes the subclass out again.
void StationSession::QueryUnload() {
  if (!subclassed_) return;
  shell_.RemoveSubclass();
  subclassed_ = false;
}

void StationSession::WindowDestroyed() {
  stage_ = Stage::Closed;
  // Only a station past the single-instance check has something to undo.
  if (!nameHeld_) {
    shell_.WindowDestroyed(false);
    return;
  }
  nameHeld_ = false;
  shell_.ReleaseProgramName();
  ShutdownLink();
  flow_.BringRunLogUpToDate(); // a last chance for lines still held
  shell_.WindowDestroyed(true);
}

void StationSession::ShutdownLink() {
  if (!flow_.StopDeviceForShutdown()) return; // the window went during the pause
  shell_.SaveWindowSettings();
  flow_.SetMeasuring(false);
  if (shell_.LibraryFilePresent()) shell_.CloseLink();
}

void StationSession::BeginExit(ExitReason reason) {
  if (exitBegun_) return;
  exitBegun_ = true;
  hooks_->BeforeShutdown(reason);
}

} // namespace orva
