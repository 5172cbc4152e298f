// The station's life around the run: the start-up order (with the refusal
// of a second copy), opening and closing the link, which commands may run
// while a print, a save or a dialog is under way, what a close request does
// in each state, and the shutdown order. The main window turns Form_Load,
// WM_CLOSE, WM_DESTROY and its commands into calls here and does what it is
// told through StationShell; the run itself stays with RunFlow.
#pragma once

#include "station/run_flow.h"

#include <functional>

namespace orva {

// What the session needs of the main window and of the library. The window
// implements it with its controls, the mutex, the subclass and MeterLink;
// the native tests with a recording fake.
class StationShell {
public:
  virtual ~StationShell() = default;

  // Start-up, in the session's order.
  virtual bool TakeProgramName() = 0; // the single-instance mutex; false: another copy holds it
  virtual void SetPaths() = 0;        // TempPath, IniPath, PrintPath and the run log's place
  virtual void PrepareWindow() = 0;   // frame border, baselines, grid, settings, diagnose mode, help path, captions
  virtual void HideDiagnose() = 0;
  virtual void InstallSubclass() = 0; // SubclassProc over OldWndProc
  virtual bool Wait(float seconds) = 0; // false: the window went during the wait
  virtual void TellLibraryMissing() = 0;

  // The link: whether the library file is there, USBStart (with StatusRec
  // cleared and ParamsRec built afresh) and USBStop.
  virtual bool LibraryFilePresent() = 0;
  virtual void OpenLink() = 0;
  virtual void CloseLink() = 0;

  // Shutdown.
  virtual void SaveWindowSettings() = 0; // limits, limit unit, print title
  virtual void RemoveSubclass() = 0;     // OldWndProc back in place
  virtual void ReleaseProgramName() = 0;
  virtual void CancelPrint() = 0;       // aborts the job, or keeps it from starting
  virtual void RequestClose() = 0;      // a close request now (the unload)
  virtual void RequestCloseLater() = 0; // one once the message being handled has returned
  virtual void DestroyWindow() = 0;
  // The window is gone; endProgram: it was the loaded station's, so the
  // message loop ends too.
  virtual void WindowDestroyed(bool endProgram) = 0;
};

// How the station is being left.
enum class ExitReason {
  ExitCommand,    // CmdExit or File > Exit
  CloseRequest,   // the frame's close button, the system menu, WM_CLOSE from outside
  LibraryMissing, // the start-up found no library
};

// Where a later addition joins the start-up and the exit. Each is called
// once; the defaults do nothing.
class SessionHooks {
public:
  virtual ~SessionHooks() = default;
  // The paths are known and nothing has read or written the run log yet.
  virtual void BeforeRunLogUse() {}
  // The station is about to shut down: the device still runs as it did,
  // the settings are not yet written.
  virtual void BeforeShutdown(ExitReason) {}
};

// What the window may be busy with while its messages go on being handled.
enum class Busy {
  None,
  PrintDialog, // the print command, in the Print dialog
  Printing,    // the print command, the job going to the printer
  Saving,      // the save command, its dialog and the file
  ModalBox,    // the settings dialog or the about box
};

class StationSession {
public:
  enum class Stage {
    Created,      // the window exists, the start-up has not begun
    Loading,      // past the single-instance check, before the link started
    Running,      // the start-up is over
    ShuttingDown, // the exit command's ShutdownLink, before its close request
    Closing,      // the close request was taken; the window goes
    Closed,       // the window is gone
  };
  enum class LoadResult { Loaded, SecondInstance, Unloaded };

  StationSession(StationShell& shell, RunFlow& flow) : shell_(shell), flow_(flow) {}

  void SetHooks(SessionHooks* hooks) { hooks_ = hooks ? hooks : &noHooks_; }

  Stage CurrentStage() const { return stage_; }
  Busy CurrentBusy() const { return busy_; }

  // Form_Load. SecondInstance: the window is gone and nothing was touched;
  // Unloaded: the window ended itself (the library is missing, or it was
  // closed during the start-up's wait).
  LoadResult Load();

  // Whether the window's commands (buttons and menu items) are acted on
  // now. None is before the start-up is over, during the shutdown, or while
  // a print, a save or a dialog is under way: the window is disabled then,
  // and a command sent from outside would start a second one over the
  // first. The statistics window, modeless, holds nothing up.
  bool CommandsMayRun() const;

  // Runs the command's work marked as busy. The print command starts in
  // its dialog; PrintJobStarted moves it on to the job. A close request
  // that came meanwhile is made again once the work has returned.
  void RunBusy(Busy kind, const std::function<void()>& work);
  void PrintJobStarted();

  // CmdExit and File > Exit: ShutdownLink, then the close request.
  void ExitClicked();
  // A close request (WM_CLOSE).
  void CloseRequested();
  // WM_DESTROY: Form_Unload.
  void WindowDestroyed();

  // ShutdownLink: DeviceStop and the pause if the device runs, the settings
  // written, the run indicator off, USBStop. Safe to run twice.
  void ShutdownLink();

private:
  void BeginExit(ExitReason reason);
  void QueryUnload();

  class NoHooks : public SessionHooks {};

  StationShell& shell_;
  RunFlow& flow_;
  NoHooks noHooks_;
  SessionHooks* hooks_ = &noHooks_;
  Stage stage_ = Stage::Created;
  Busy busy_ = Busy::None;
  bool nameHeld_ = false; // past the single-instance check, until unloaded
  bool subclassed_ = false;
  bool closeAfterBusy_ = false; // a close request came during a print
  bool exitBegun_ = false;
};

} // namespace orva
