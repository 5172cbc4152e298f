// Test support: starting and stopping the meter simulator LinkKeeper.exe from
// a Windows test, with a scenario written to a temporary file.
//
// Typical use in a test:
//
//   orva::testsupport::SimulatorProcess sim;
//   ASSERT_TRUE(sim.Start("rate = 0\nreading = 12.50 85.00\n")) << sim.error();
//   HWND handler = sim.WaitForWindow();          // "WindowNameUsb", 10 s
//   ...
//   // the destructor terminates the process if it is still running
//
// For tests that let meterlink.dll launch the simulator itself, ScenarioEnv
// writes the scenario and points LINKKEEPER_SCENARIO at it for the lifetime
// of the object; KillWindowOwner ends the process behind a window found later.
#pragma once

#include <windows.h>

#include <string>

namespace orva::testsupport {

// Full path of the program-folder copy of the simulator:
// <folder of this test program>\..\EXE\LinkKeeper.exe.
std::string SimulatorPath();

// A new, uniquely named empty file in the temporary folder; returns its full
// path ("" on failure). `prefix` is at most three characters (GetTempFileName).
std::string MakeTempFile(const char* prefix = "lk");

// Writes `text` to `path` as is (binary); true on success.
bool WriteTextFile(const std::string& path, const std::string& text);

// The whole content of a file, "" when it cannot be read.
std::string ReadTextFile(const std::string& path);

// Top-level window owned by process `pid` (the first one EnumWindows lists),
// or nullptr when it owns none.
HWND FindTopLevelWindowOf(DWORD pid);

// Terminates the process that owns `window` (by its id) and waits up to
// `waitMs` for it to end. True if it ended (or the window was already gone).
bool KillWindowOwner(HWND window, DWORD waitMs = 5000);

// Pumps this thread's messages for up to `ms` milliseconds (also dispatching
// sent messages), so windows of this thread get their notifications.
void PumpMessagesFor(DWORD ms);

// One simulator process started by the test. Not copyable; the destructor
// kills the process if it still runs and deletes the scenario file.
class SimulatorProcess {
 public:
  SimulatorProcess() = default;
  ~SimulatorProcess();
  SimulatorProcess(const SimulatorProcess&) = delete;
  SimulatorProcess& operator=(const SimulatorProcess&) = delete;

  // Writes `scenarioText` to a temporary file and starts the simulator with
  // "--scenario <file>" (working directory: the EXE folder). An inherited
  // LINKKEEPER_SCENARIO is removed from the child's environment, because it
  // would take precedence. `extraArgs` is appended to the command line.
  // False on failure; error() then says why.
  bool Start(const std::string& scenarioText, const std::string& extraArgs = "");

  // Waits until a top-level window with `title` belonging to this process
  // exists and is shown (polling, pumping this thread's messages). nullptr
  // on time-out.
  HWND WaitForWindow(DWORD timeoutMs = 10000, const char* title = "WindowNameUsb");

  // Waits for the process to end; true if it did within `timeoutMs`.
  // `exitCode` receives its exit code when given.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);

  // True while the process runs.
  bool IsRunning() const;

  // Terminates the process (exit code 1) if it runs and waits for its end.
  void Kill();

  DWORD pid() const { return info_.dwProcessId; }
  HANDLE process() const { return info_.hProcess; }
  const std::string& scenarioPath() const { return scenarioPath_; }
  const std::string& error() const { return error_; }

 private:
  PROCESS_INFORMATION info_{};
  std::string scenarioPath_;
  std::string error_;
};

// Writes a scenario to a temporary file and sets LINKKEEPER_SCENARIO to it in
// this process (so a simulator launched by meterlink.dll inherits it); the
// destructor restores the previous value and deletes the file.
class ScenarioEnv {
 public:
  explicit ScenarioEnv(const std::string& scenarioText);
  ~ScenarioEnv();
  ScenarioEnv(const ScenarioEnv&) = delete;
  ScenarioEnv& operator=(const ScenarioEnv&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;
  bool hadPrevious_ = false;
};

} // namespace orva::testsupport
