// End-to-end harness: an installed-like program folder with the real
// ORVA.exe, meterlink.dll and the meter simulator, the station started as its
// own process, and ways to watch it from outside as an operator would.
#pragma once

#include "tools/testsupport/desktop.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Folder of the built programs (the working directory of the test run).
std::string BuiltProgramFolder();

class StationProcess {
public:
  // Makes <temp>/orva-e2e-<n>/EXE with copies of the programs. A scenario
  // text is written to LinkKeeper.scn there and handed to the simulator;
  // the simulator logs its commands to sim.log beside it.
  explicit StationProcess(const std::string& scenario, bool withLibrary = true);
  ~StationProcess(); // ends ORVA.exe and any simulator, removes the folder

  StationProcess(const StationProcess&) = delete;
  StationProcess& operator=(const StationProcess&) = delete;

  const std::string& Folder() const { return folder_; }
  std::string PathOf(const std::string& name) const { return folder_ + "\\" + name; }
  void WriteFile(const std::string& name, const std::string& bytes) const;
  std::string ReadFile(const std::string& name) const; // "" when missing
  bool FileExists(const std::string& name) const;

  // Starts ORVA.exe with the program folder as current directory.
  PROCESS_INFORMATION Start();
  // Start, then its main window and the link up (the handler's first notice
  // handled); false on time-out.
  bool StartWithLink(DWORD ms);
  // START, then a run of the scenario's `readings` readings until the device
  // stops by itself (its error report shown): false on time-out.
  bool MeasureRun(size_t readings, DWORD ms);
  DWORD ProcessId() const { return process_.dwProcessId; }
  // Ends the process at once, as a crash or a power failure would.
  void Kill();
  // Waits for the process to end; false on time-out. exitCode receives its code.
  bool WaitForExit(DWORD ms, DWORD* exitCode = nullptr);

  // The main window of this process (its top-level window with the caption).
  HWND WaitForMainWindow(DWORD ms);
  HWND MainWindow() const { return main_; }
  HWND Control(const char* name) const;          // by program name, e.g. "cmdStart"
  std::wstring Text(const char* name) const;     // window text of a control
  bool Enabled(const char* name) const;
  bool Visible(const char* name) const;
  void Click(const char* name) const;            // posted BM_CLICK
  void Close() const;                            // posted WM_CLOSE
  // A key as the station's message loop takes it from the keyboard:
  // WM_KEYDOWN and WM_KEYUP to the named control (the main window when none),
  // with Ctrl held in the station thread's key state if asked.
  void PressKey(UINT virtualKey, bool control = false, const char* name = nullptr) const;
  // Save as an operator does it: cmdSave, then the full path of the given
  // name typed into the save dialog and Save pressed. False when no dialog came.
  bool SaveResultsAs(const std::string& name, DWORD ms) const;
  // The station's open or save dialog: the full path typed in and the
  // dialog's OK pressed. False when no such dialog came.
  bool AnswerFileDialog(const std::string& path, DWORD ms) const;

  // Types a low-limit text of this printout only ("12.<pid><n>") into
  // txtLimitLow: its limits line tells the test's PDFs from those of other
  // programs printing to the same queues. Returns the text.
  std::string MarkPrintout() const;

  // Grid cell text, read from the other process's list view.
  std::wstring GridCell(int row, int column) const;

  // Waits until the run log has at least n lines; false on time-out.
  bool WaitForRunLogLines(size_t n, DWORD ms) const;
  std::vector<std::string> RunLogLines() const;
  std::vector<std::string> SimulatorLog() const;
  size_t CountSimulatorLog(const std::string& line) const;

private:
  std::string root_;
  std::string folder_;
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// Message boxes of the station, read and pressed from outside.
using orva::testsupport::MessageBoxSeen;
using orva::testsupport::PressMessageBoxButton;
using orva::testsupport::WaitForMessageBox;

// Ends every simulator process left from earlier tests.
void KillSimulators();

std::vector<std::string> SplitLines(const std::string& text); // CR LF lines

// Polls until the condition holds; false on time-out.
template <typename Pred> bool Eventually(Pred pred, DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    if (pred()) return true;
    Sleep(50);
  } while (GetTickCount() - start < ms);
  return false;
}

} // namespace e2e
