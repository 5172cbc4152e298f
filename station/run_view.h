// What the run flow needs of the main window (RunView) and of the device
// link (DevicePort). The window implements both with its controls, the grid,
// message boxes and the library; the native tests with recording fakes.
#pragma once

#include "station/allowance.h"
#include "station/reading.h"

#include <cstdint>
#include <string>

namespace orva {

// START, STOP, the limit controls and the run indicator as the operator sees
// them in a run state.
struct RunControls {
  bool startEnabled = true;  // cmdStart
  bool stopEnabled = true;   // cmdEnd
  bool limitsEnabled = true; // txtLimitHigh, txtLimitLow and frmLimit
  std::string indicator;     // lblMeasure, in red; empty while not measuring
  friend bool operator==(const RunControls&, const RunControls&) = default;
};

// The diagnose panel: last link event, handler state, device state.
struct DiagnoseWords {
  std::string diag;                   // lblDiag
  std::string exe = "Exe Stop";       // lblExe
  std::string driver = "Driver Stop"; // lblDriver
  friend bool operator==(const DiagnoseWords&, const DiagnoseWords&) = default;
};

enum class Screen { Measure, Alarm }; // readings grid / alarm text

enum class MessageButtons {
  Ok,                // OK only, default title
  CancelTryContinue, // the limit messages (their answer is not used)
  OkWarning,         // OK with the exclamation icon
};
struct OperatorMessage {
  std::string text;
  std::string title;
  MessageButtons buttons;
  friend bool operator==(const OperatorMessage&, const OperatorMessage&) = default;
};

// Texts are UTF-8, except the grid's, which are the meter's ANSI bytes.
class RunView {
public:
  virtual ~RunView() = default;
  virtual void ShowRunControls(const RunControls& controls) = 0;
  virtual void ShowDiagnoseWords(const DiagnoseWords& words) = 0;
  virtual void ShowAlarmText(const std::string& text) = 0;
  virtual void ShowScreen(Screen screen, const std::string& name) = 0;
  virtual void ShowLimits(const std::string& high, const std::string& low) = 0;
  // The unit options and the unit labels: 0 = N, 1 = Hz.
  virtual void ShowLimitUnit(int option, const std::string& unit) = 0;

  virtual void ClearGrid() = 0;
  // Writes the row (0-based) and makes its judgement cell the current one.
  virtual void PutGridRow(int row, const GridRowTexts& texts) = 0;
  virtual void ColourCurrentCell(std::uint32_t colour) = 0;
  virtual int GridTopRow() const = 0;
  virtual int GridVisibleRows() const = 0;
  virtual void SetGridTopRow(int row) = 0;

  // A message box now, waiting for the operator.
  virtual void Tell(const OperatorMessage& message) = 0;
  // A message box once the message being handled has returned: the device
  // side waits for its reading message, so no box may open inside it.
  virtual void TellLater(const OperatorMessage& message) = 0;
  // Waits while window messages go on being handled. False when the window
  // was closed during the wait.
  virtual bool Wait(float seconds) = 0;
};

// Who follows the run beside the grid (the statistics): every reading of the
// run as judged, STOP or not, the start of each run, and each change of the
// limits or of their unit.
class RunWatcher {
public:
  virtual ~RunWatcher() = default;
  virtual void RunStarted() = 0;
  virtual void ReadingTaken(std::int32_t readingNo, const ReadingTexts& texts, Judgement judgement) = 0;
  virtual void AllowanceChanged(const Allowance& allowance) = 0;
};

// Who keeps every run before START empties the run log (the run archive).
class RunKeeping {
public:
  virtual ~RunKeeping() = default;
  // The run that ends, as the run-log lines recorded for it since its START.
  // False when it could not be kept: START then leaves the run log and the
  // grid as they are and starts nothing.
  virtual bool KeepEndingRun(const std::string& runLogLines) = 0;
  // START went ahead: a new run begins.
  virtual void RunBegun() = 0;
};

// The library calls a run makes; their results are not examined.
class DevicePort {
public:
  virtual ~DevicePort() = default;
  virtual void DeviceStart() = 0; // with start parameters built afresh
  virtual void DeviceStop() = 0;
};

} // namespace orva
