// The main window ORVA_diag: every control of the measurement station, the
// display routines the handlers share, the operator's handlers (OnX), the
// device events that arrive through SubclassProc, start-up and shutdown.
// The state it works on is the module-wide OrvaLib record it is given; the
// device link and the message boxes are seams (MeterLink, winkit::ShowMessageBox).
#pragma once

#include "station/main_controls.h"
#include "station/settings/main_layout.h"
#include "station/settings/text_table.h"
#include "station/output/win/results_save.h"
#include "station/win/meter_link.h"
#include "station/program_title.h"
#include "station/win/orva_lib.h"
#include "station/win/readings_grid.h"
#include "station/win/run_log.h"
#include "winkit/window.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <windows.h>

namespace orva {

struct StationConfig {
  MeterLink* link = nullptr;
  std::string programFolder;  // ANSI; empty: the folder of the executable
  bool quitOnDestroy = true;  // the program's window ends the message loop
  const char* mutexName = "ORVA";
};

// Private message that shows a run-log notice outside the reading handler;
// WPARAM says which (kRunLogNotWritten, kRunLogFull).
inline constexpr UINT kMsgRunLogNotice = WM_APP + 1;
inline constexpr WPARAM kRunLogNotWritten = 0;
inline constexpr WPARAM kRunLogFull = 1;

class MainWindow : public winkit::Window {
public:
  MainWindow(OrvaLib& lib, StationConfig config);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, hidden, at its design size with all its controls.
  bool Create();

  enum class LoadResult { Loaded, SecondInstance, Unloaded };
  // Form_Load: the start-up sequence. SecondInstance: the window is gone and
  // nothing was touched; Unloaded: the window ended itself (no library).
  LoadResult Load();

  HWND Control(MainControl control) const { return controls_[static_cast<size_t>(control)]; }
  HMENU Menu() const { return menu_; }
  ReadingsGrid& Grid() { return grid_; }
  OrvaLib& Lib() { return lib_; }
  // Text colour given to a label (lblMeasure, the diagnose panel), if any.
  std::optional<COLORREF> LabelColour(MainControl control) const;

  // Display routines.
  void SetMeasuring(bool on);
  void ShowScreen(std::int16_t index);
  void SetLimitMode(int mode);
  void ApplyDiagMode();
  void ShowDiagnose(bool show);
  void ClearAlarm();

  // Device events (SubclassProc hands them over).
  void OnLinkMessage(UINT message);
  void DecodeReading(const unsigned char* entry);
  void ShowAlarm(std::int32_t alarmNo, std::int32_t subCode, const std::string& text1,
                 const std::string& text2);

  // Writes the lines the run log still owes; the save and print commands
  // call it before they read the run log. False when some are still owed:
  // the command's output then lacks them and it says so.
  bool BringRunLogUpToDate();

  // Shutdown and the exit paths.
  void ShutdownLink();
  void Unload(); // close request, then unload, as the frame's close button

  // Operator handlers.
  void OnStartClick();
  void OnEndClick();
  void OnErrorResetClick();
  void OnDispChangeClick(int index);
  void OnLimitModeClick(int index);
  void OnDiagnoseClick();
  void OnExitClick();
  // Commands handed to their own units with a record the window gathers.
  void OnSaveClick();
  void OnPrintClick();
  void OnSettingClick();
  void OnHelpClick();
  void OnVersionClick();

  // Instance variables of the window.
  std::int16_t FirstFlg = 0;
  LayoutBaselines Baselines{}; // twips, recorded at load

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  // Building the window (main_window.cpp).
  bool CreateControls();
  HMENU BuildMenu();
  void OnCommand(int id, int code);
  LRESULT OnCtlColor(UINT msg, HDC dc, HWND control);
  void OnOptionClicked(int index);
  void RecordBaselines();
  void OnSize();

  // Start-up and shutdown pieces (lifecycle.cpp).
  void QueryUnload();
  void FormUnload();
  std::string ProgramFolder() const;
  void ReadSettings();
  void SetupGrid();

  // Device-event pieces (device_events.cpp).
  void ErrorSteps();
  // The run log's side (run_log_keeping.cpp).
  void StartRunLog();
  void RecordInRunLog(std::string line);
  void RunLogNotWritten();
  void RunLogFull();
  void OnRunLogNotice(WPARAM which);

  // What the save and print commands need, as a plain record (run_control.cpp).
  ResultsSource Results();

  // Control texts and states (display_routines.cpp).
  std::wstring Pick(Text id) const;
  void SetText(MainControl control, const std::wstring& text);
  std::wstring TextOf(MainControl control) const;
  std::string AnsiTextOf(MainControl control) const;
  void SetEnabled(MainControl control, bool enabled);
  void SetVisible(MainControl control, bool visible);
  void SetLabelColour(MainControl control, COLORREF colour);
  void SetOption(int index, bool on);
  bool WindowGone() const { return Handle() == nullptr; }

  OrvaLib& lib_;
  StationConfig config_;
  HMENU menu_ = nullptr;
  std::array<HWND, kMainControlCount> controls_{};
  std::array<std::optional<COLORREF>, kMainControlCount> labelColours_{};
  ReadingsGrid grid_;
  HANDLE MutexHandle = nullptr;
  enum class State { Created, SecondInstance, Loaded } state_ = State::Created;
  bool subclassed_ = false;
  bool closing_ = false;
  bool closeAfterPrint_ = false; // a close request came during a print
  bool loadFinished_ = false;
  bool baselinesRecorded_ = false;
  RunLog runLog_;
  bool runLogNoticeShown_ = false;     // this run has had its notice
  bool runLogFullNoticeShown_ = false; // ... and the one about the bound
};

// The subclass window procedure of the main window: acts on the link
// messages 0x465..0x46B and passes every message on to OldWndProc, inside
// the toolkit's guard.
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

} // namespace orva
