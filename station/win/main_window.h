// The main window ORVA_diag: every control of the measurement station, its
// layout and menus, and the library binding. The run is decided in RunFlow,
// the start-up, the shutdown and which command may run in StationSession;
// the window turns each Win32 message into one call of either and does what
// it is told through RunView and StationShell. It works on the module-wide
// OrvaLib record; the device link and the message boxes are seams
// (MeterLink, winkit::ShowMessageBox).
#pragma once

#include "station/main_controls.h"
#include "station/settings/main_layout.h"
#include "station/settings/text_table.h"
#include "station/output/win/results_save.h"
#include "station/meter_link.h"
#include "installer/common/program_names.h"
#include "station/win/orva_lib.h"
#include "station/run_flow.h"
#include "station/station_session.h"
#include "station/win/readings_grid.h"
#include "station/output/win/run_log_file.h"
#include "station/win/run_screen.h"
#include "station/stats/win/statistics_window.h"
#include "station/archive/win/station_archive.h"
#include "station/allowances/win/station_allowances.h"
#include "winkit/handle.h"
#include "winkit/controls.h"
#include "winkit/window.h"

#include <array>
#include <optional>
#include <string>
#include <windows.h>

namespace orva {

struct StationConfig {
  MeterLink* link = nullptr;
  std::string programFolder;  // ANSI; empty: the folder of the executable
  bool quitOnDestroy = true;  // the program's window ends the message loop
  const char* mutexName = kProgramMutexName;
};

class MainWindow : public winkit::Window, private DevicePort, private StationShell {
public:
  MainWindow(OrvaLib& lib, StationConfig config);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, hidden, at its design size with all its controls.
  bool Create();

  using LoadResult = StationSession::LoadResult;
  // Form_Load: the start-up sequence (StationSession::Load).
  LoadResult Load() { return session_.Load(); }

  HWND Control(MainControl control) const { return controls_[static_cast<size_t>(control)]; }
  HMENU Menu() const { return menu_; }
  // The keys of StationShortcuts, for the message loop.
  HACCEL Shortcuts() const { return shortcuts_; }
  ReadingsGrid& Grid() { return grid_; }
  OrvaLib& Lib() { return lib_; }
  const RunFlow& Flow() const { return flow_; }
  const LayoutBaselines& Baselines() const { return baselines_; } // twips, recorded at load
  // Text colour given to a label (lblMeasure, the diagnose panel), if any.
  std::optional<COLORREF> LabelColour(MainControl control) const { return screen_.LabelColour(control); }

  // The diagnose display (the settings dialog changes its mode).
  void ApplyDiagMode();
  void ShowDiagnose(bool show);

  // Shutdown and the exit paths.
  void ShutdownLink() { session_.ShutdownLink(); }
  void Unload(); // close request, then unload, as the frame's close button

  // Commands handed to their own units with a record the window gathers.
  void OnSaveClick();
  void OnPrintClick();
  void OnSettingClick();
  void OnHelpClick();
  void OnVersionClick();
  void OnStatisticsClick();
  void OnAllowancesClick();

  // Link messages 0x465..0x46B, as SubclassProc hands them over.
  void OnLinkMessage(UINT message);

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  // Building the window and routing its messages (main_window.cpp).
  bool CreateControls();
  void OnCommand(int id, int code);
  void OnMenuCommand(MainMenu item);
  void OnButtonClick(MainControl control);
  bool ClickAllowed(MainControl control) const;
  LRESULT OnCtlColor(UINT msg, HDC dc, HWND control);
  void RecordBaselines();
  void SetUpKeyboard();
  void OnSize();
  void OnDpiChanged(WPARAM wp, LPARAM lp);

  // The session's steps, as this window takes them (lifecycle.cpp).
  bool TakeProgramName() override;
  void SetPaths() override;
  void PrepareWindow() override;
  void HideDiagnose() override { ShowDiagnose(false); }
  void InstallSubclass() override;
  bool Wait(float seconds) override;
  void TellLibraryMissing() override;
  bool LibraryFilePresent() override;
  void OpenLink() override;
  void CloseLink() override;
  void SaveWindowSettings() override;
  void RemoveSubclass() override;
  void ReleaseProgramName() override;
  void CancelPrint() override;
  void RequestClose() override;
  void RequestCloseLater() override;
  void DestroyWindow() override;
  void WindowDestroyed(bool endProgram) override;
  std::string ProgramFolder() const;
  void ReadSettings();
  void SetupGrid();

  // The library's side of the run (device_events.cpp).
  void DeviceStart() override;
  void DeviceStop() override;
  void ErrorSteps();
  void OnLimitsEdited();

  // What the save and print commands need, as a plain record (window_commands.cpp).
  ResultsSource Results();

  std::wstring Pick(Text id) const;
  StationArchive::Station ArchiveStation();
  StationAllowances::Station AllowancesStation();

  OrvaLib& lib_;
  StationConfig config_;
  HMENU menu_ = nullptr;
  HACCEL shortcuts_ = nullptr;
  winkit::BuiltControls built_;
  MainControlHandles controls_{};
  ReadingsGrid grid_;
  winkit::UniqueHandle MutexHandle; // the single-instance mutex
  LayoutBaselines baselines_{};
  bool baselinesRecorded_ = false;
  RunLogFileAt runLogFile_;
  RunScreen screen_{*this, controls_, grid_};
  RunStatistics statistics_;                     // every reading since START
  StatisticsWindow statisticsWindow_{statistics_}; // shows them, when open
  RunFlow flow_;
  StationSession session_{*this, flow_};
  // Keeps every run (START, exit, a run left by a crash); File > Run Archive.
  StationArchive archive_{ArchiveStation()};
  // The named allowances: Tool > Allowances..., and the one in use.
  StationAllowances allowances_{AllowancesStation()};
};

// The subclass window procedure of the main window: acts on the link
// messages 0x465..0x46B and passes every message on to OldWndProc, inside
// the toolkit's guard.
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

} // namespace orva
