// Shared ground of the library's Windows tests: meterlink.dll loaded by name
// and bound by GetProcAddress, as the measurement program binds it; a main
// window of the test that records notifications; temporary program-folder
// trees; and a fixture that starts each test from a known state (no
// simulator running, no shared block left).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "devlink/link_block.h"
#include "devlink/meterlink_api.h"
#include "tools/testsupport/notify_recorder.h"

namespace devlink::test {

// meterlink.dll loaded with LoadLibraryA("meterlink.dll"), so the system's
// search finds it (the current folder, for the tests). Unloading it makes
// the library give back its kernel handles.
class MeterLink {
 public:
  MeterLink() = default;
  ~MeterLink() { Unload(); }
  MeterLink(const MeterLink&) = delete;
  MeterLink& operator=(const MeterLink&) = delete;

  // True when the library and all eight exports were found.
  bool Load();
  void Unload();
  // Full path of the loaded module ("" when not loaded).
  std::string Path() const;

  USBStartFn USBStart = nullptr;
  USBStopFn USBStop = nullptr;
  USBStatusReadFn USBStatusRead = nullptr;
  USBReceiveReadFn USBReceiveRead = nullptr;
  DeviceStartFn DeviceStart = nullptr;
  DeviceStopFn DeviceStop = nullptr;
  DeviceErrorReadFn DeviceErrorRead = nullptr;
  ExeActiveFn ExeActive = nullptr;

 private:
  HMODULE module_ = nullptr;
};

// The program folder (<tests>\..\EXE) and the folder of the test programs.
std::string ExeFolder();
std::string TestsFolder();

// Ids of the running LinkKeeper.exe processes.
std::vector<DWORD> SimulatorPids();
// Terminates every running simulator by its id and waits for each to end.
void KillSimulators();
bool BlockExists();
// Full path of the program file of process `pid` ("" if unknown).
std::string ProcessImagePath(DWORD pid);

// Number of lines of `text` that start with `prefix`.
int CountLines(const std::string& text, const std::string& prefix);
// The pid of the first "start pid=<n>" line of a simulator log (0 if none).
DWORD LoggedPid(const std::string& log);

// A scenario text with `body` and a log into a fresh temporary file.
struct LoggedScenario {
  std::string text;
  std::string logPath;
  std::string Log() const;
};
LoggedScenario WithLog(const std::string& body);

// A folder tree under the temporary folder, removed by the destructor.
class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;
  // Full path of `relative` in the tree ("" gives the root).
  std::string Path(const std::string& relative = "") const;
  void MakeFolder(const std::string& relative);
  // Copies file `source` into folder `relativeFolder` of the tree.
  bool CopyInto(const std::string& source, const std::string& relativeFolder);

 private:
  std::string root_;
};

LinkParams ParamsFor(HWND mainWindow, std::uint32_t languageFlag = 1);

// Starts every test with no simulator and no shared block, a main window on
// the test's thread, and the program folder as the current folder; the
// library is unloaded and simulators are killed afterwards.
class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes `folder` the current folder (restored after the test) and loads
  // the library found there.
  void LoadLibraryIn(const std::string& folder);

  // Loads a copy of the library from folder APP of `tree`, where no
  // ..\EXE\LinkKeeper.exe exists (USBStart opens the objects, then fails to
  // launch). `companion`, when given, is copied beside it as wirecore.dll.
  void LoadWithoutHandler(TempTree& tree, const std::string& companion = "");

  // A temporary folder tree that lives until after the library is unloaded
  // and the current folder restored (so it can be removed).
  TempTree& NewTree();

  MeterLink link;
  std::unique_ptr<orva::testsupport::NotifyRecorder> mainWindow;

 private:
  std::string previousFolder_;
  std::vector<std::unique_ptr<TempTree>> trees_;
};

} // namespace devlink::test
