// The measurement run of the station: the run flags and counters, and what
// each event (a link message, a reading, an error report, START, STOP, the
// alarm reset, a click on a limit unit or a screen button) does to them, to
// the screen (RunView), to the device (DevicePort) and to the run log.
// The main window turns each Win32 message into one call here.
#pragma once

#include "station/judgement.h"
#include "station/run_log_queue.h"
#include "station/run_view.h"
#include "station/settings/text_table.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orva {

// Long booleans keep the -1/0 form of the rest of the system.
using Long = std::int32_t;
inline constexpr Long kTrue = -1;
inline constexpr Long kFalse = 0;

// The part of the module-wide state that the run changes.
struct RunState {
  Long ExeStarted = kFalse;       // 0x465 has arrived; never goes back
  Long DriverRunning = kFalse;    // between 0x466 and 0x467..0x46A
  Long ErrorPending = kFalse;     // after 0x467 / 0x46A until START
  std::int16_t MeasureState = 0;  // 0 = grid takes readings, 1 = STOP pressed
  Long ReadingNo = 0;             // readings of the current run
  Long GridRow = 0;               // 1-based row of the latest reading
  std::int16_t LimitUnitMode = 0; // 0 = N, 1 = Hz
  std::int16_t FirstFlg = 0;      // 1 from load until the first unit click
};

// An error report as DeviceErrorRead gave it, texts cleaned and in UTF-8.
struct ErrorReport {
  std::int32_t alarmNo = 0;
  std::int32_t subCode = 0;
  std::string text1;
  std::string text2;
};

class RunFlow {
public:
  // The settings copies of the module-wide state that the run reads; they
  // change under it (the settings dialog), so they are referred to.
  struct Settings {
    const std::string& curLanguage;
    const std::string& curSaveType;
  };
  RunFlow(RunView& view, DevicePort& device, RunLogFile& runLog, Settings settings);

  // Who else follows the run; nullptr: nobody.
  void SetWatcher(RunWatcher* watcher) { watcher_ = watcher; }
  // Who keeps each run before START empties the run log; nullptr: nobody.
  void SetKeeping(RunKeeping* keeping) { keeping_ = keeping; }
  // The run-log lines recorded since START, written or still held.
  const std::string& RunLines() const { return runLines_; }

  const RunState& State() const { return state_; }
  const RunControls& Controls() const { return controls_; }
  // The limit texts (UTF-8) the readings are judged against.
  const std::string& HighLimit() const { return highLimit_; }
  const std::string& LowLimit() const { return lowLimit_; }

  // Start-up, in the window's order.
  void BeginLoad(); // FirstFlg = 1
  void LoadLimits(const std::string& high, const std::string& low, int limitMode);
  void ShowStartScreen(); // alarm cleared, indicator empty, MEASURE screen, flags reset
  void AfterLinkStart();  // the link's start is over: no device, no error yet

  // The device side.
  void LinkMessage(std::uint32_t message); // 0x465..0x469
  void ErrorReported(const ErrorReport& report);
  void ReadingArrived(const unsigned char* entry); // the 65-byte receive entry 0

  // The operator.
  void StartClicked();
  void StopClicked();
  void ResetClicked();
  void ScreenClicked(int index);
  void LimitOptionClicked(int option);
  void LimitsEdited(const std::string& high, const std::string& low);
  // Both limit boxes filled in at once, as the operator would type them (a
  // named allowance chosen): the boxes show them and the run judges by them.
  void LimitsChosen(const std::string& high, const std::string& low) { SetLimits(high, low); }

  // Shutdown: stops a running device (false when the window went during the
  // pause after it), then the indicator goes off.
  bool StopDeviceForShutdown();
  void SetMeasuring(bool on);

  // Writes the run log lines still held. True when the file has them all.
  bool BringRunLogUpToDate() { return queue_.Flush(runLogFile_); }

private:
  std::string Pick(Text id) const;
  void SetLimitMode(int mode);
  void SwitchOptionOn(int option);
  void SetLimits(const std::string& high, const std::string& low);
  void ShowScreen(int index);
  void ClearAlarm();
  void ShowDiagnose();
  void RecordInRunLog(std::string line);
  void TellWatcherTheAllowance();
  void TellOncePerRun(bool& told, Text text);

  RunView& view_;
  DevicePort& device_;
  RunLogFile& runLogFile_;
  Settings settings_;
  RunWatcher* watcher_ = nullptr;
  RunKeeping* keeping_ = nullptr;
  std::string runLines_; // the run's own copy, for its keeping
  std::optional<Allowance> watcherAllowance_; // as the watcher last heard it
  RunState state_;
  RunControls controls_;
  DiagnoseWords diagnose_;
  std::optional<DiagnoseWords> diagnoseShown_; // what the panel shows
  std::string highLimit_, lowLimit_;
  JudgingLimits limits_;
  int optionOn_ = -1; // the unit option switched on; none before the load
  RunLogQueue queue_;
  bool toldNotWritten_ = false; // the run log notices, once per run
  bool toldFull_ = false;
};

} // namespace orva
