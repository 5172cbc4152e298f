// The measurement run: link messages, readings, error reports and the
// operator's run commands.
#include "station/run_flow.h"

#include "devlink/link_block.h"
#include "station/alarm_text.h"
#include "station/grid_scroll.h"
#include "station/limit_check.h"
#include "installer/common/program_names.h"
#include "station/reading.h"

#include <utility>

namespace orva {
namespace {

enum class Flag { Keep, False, True };
enum class Indicator { Keep, On, Off };

// What each of the five plain link messages does, in the order of the
// run-flags table: the three Long flags, whether MeasureState returns to 0;
// then the screen: the diagnose words (nullptr: unchanged), the run
// indicator, and whether the alarm text is cleared. The error report (0x46A)
// and the reading (0x46B) carry data and have their own steps below.
struct LinkMessageRow {
  std::uint32_t message;
  Flag exeStarted, driverRunning, errorPending;
  bool measureStateZero;
  Text diag;
  const char* exe;
  const char* driver;
  Indicator indicator;
  bool clearAlarm;
};

constexpr LinkMessageRow kLinkMessages[] = {
    // message                         ExeStarted  DriverRunning ErrorPending MeasureState 0
    {devlink::kNotifyHandlerRunning,   Flag::True, Flag::Keep,   Flag::Keep,  false,
     Text::DiagExeStarted, "Exe Run", nullptr, Indicator::Keep, false},
    {devlink::kNotifyDeviceStarted,    Flag::Keep, Flag::True,   Flag::Keep,  false,
     Text::DiagDriverStarted, nullptr, "Driver Run", Indicator::On, true},
    {devlink::kNotifyDeviceStartError, Flag::Keep, Flag::False,  Flag::True,  true,
     Text::DiagDriverStartError, nullptr, "Driver Stop", Indicator::Off, false},
    {devlink::kNotifyHandlerEnded,     Flag::Keep, Flag::False,  Flag::Keep,  true,
     Text::DiagExeEnded, "Exe Stop", nullptr, Indicator::Keep, false},
    {devlink::kNotifyDeviceStopped,    Flag::Keep, Flag::False,  Flag::Keep,  true,
     Text::DiagDriverStopped, nullptr, "Driver Stop", Indicator::Keep, false},
};

void Apply(Flag flag, Long& value) {
  if (flag != Flag::Keep) value = flag == Flag::True ? kTrue : kFalse;
}

} // namespace

RunFlow::RunFlow(RunView& view, DevicePort& device, RunLogFile& runLog, Settings settings)
    : view_(view), device_(device), runLogFile_(runLog), settings_(settings) {}

std::string RunFlow::Pick(Text id) const { return PickText(settings_.curLanguage, id); }

// ---- start-up and shutdown ---------------------------------------------------

void RunFlow::BeginLoad() { state_.FirstFlg = 1; }

void RunFlow::LoadLimits(const std::string& high, const std::string& low, int limitMode) {
  SetLimits(high, low);
  SetLimitMode(limitMode);
}

void RunFlow::ShowStartScreen() {
  ClearAlarm();
  controls_.indicator.clear();
  view_.ShowRunControls(controls_);
  ShowDiagnose();
  state_.MeasureState = 0;
  ShowScreen(0);
  state_.ExeStarted = kFalse;
}

void RunFlow::AfterLinkStart() {
  state_.DriverRunning = kFalse;
  state_.ErrorPending = kFalse;
}

bool RunFlow::StopDeviceForShutdown() {
  if (state_.DriverRunning == kFalse) return true;
  device_.DeviceStop();
  state_.DriverRunning = kFalse;
  return view_.Wait(0.5f);
}

// ---- the device side -----------------------------------------------------------

void RunFlow::LinkMessage(std::uint32_t message) {
  for (const LinkMessageRow& row : kLinkMessages) {
    if (row.message != message) continue;
    Apply(row.exeStarted, state_.ExeStarted);
    Apply(row.driverRunning, state_.DriverRunning);
    Apply(row.errorPending, state_.ErrorPending);
    if (row.measureStateZero) state_.MeasureState = 0;
    if (row.indicator != Indicator::Keep) SetMeasuring(row.indicator == Indicator::On);
    diagnose_.diag = Pick(row.diag);
    if (row.exe) diagnose_.exe = row.exe;
    if (row.driver) diagnose_.driver = row.driver;
    ShowDiagnose();
    if (row.clearAlarm) ClearAlarm();
    return;
  }
}

void RunFlow::ErrorReported(const ErrorReport& report) {
  view_.ShowAlarmText(AlarmText(settings_.curLanguage, report.alarmNo, report.subCode, report.text1, report.text2));
  ShowScreen(1);
  diagnose_.diag = Pick(Text::DiagErrorReceived);
  diagnose_.driver = "Driver Stop";
  ShowDiagnose();
  SetMeasuring(false);
  state_.MeasureState = 0;
  state_.DriverRunning = kFalse;
  state_.ErrorPending = kTrue;
  controls_.startEnabled = true;
  controls_.stopEnabled = true;
  view_.ShowRunControls(controls_);
}

// Counted, coloured, scrolled and logged also after STOP; only the grid's
// text stands still then.
void RunFlow::ReadingArrived(const unsigned char* entry) {
  const ReadingTexts texts = SplitEntry(entry);
  const Judgement judgement = JudgeReading(JudgedText(texts, state_.LimitUnitMode), limits_);
  state_.ReadingNo += 1;
  state_.GridRow = NextGridRow(state_.GridRow, kGridRows);
  if (state_.MeasureState == 0) view_.PutGridRow(state_.GridRow - 1, MakeGridRow(state_.ReadingNo, texts, judgement));
  view_.ColourCurrentCell(JudgementColour(judgement));
  const int top = view_.GridTopRow();
  const int scrolled = ScrolledTopRow(state_.GridRow, top, view_.GridVisibleRows());
  if (scrolled != top) view_.SetGridTopRow(scrolled);
  if (orva::KeepInRunLog(settings_.curSaveType, judgement))
    RecordInRunLog(RunLogLine(state_.ReadingNo, texts, judgement));
  if (watcher_) watcher_->ReadingTaken(state_.ReadingNo, texts, judgement);
  diagnose_.diag = Pick(Text::DiagDataReceived);
  ShowDiagnose();
}

// ---- the operator ----------------------------------------------------------------

void RunFlow::StartClicked() {
  if (state_.ExeStarted == kFalse) {
    view_.Tell({Pick(Text::HandlerNotRunning), kDefaultMessageTitleUtf8, MessageButtons::Ok});
    return;
  }
  const LimitCheckResult check = CheckLimits(highLimit_, lowLimit_);
  if (check.lowBecomesZero) SetLimits(highLimit_, "0");
  if (check.outcome != LimitCheck::Accepted) {
    const Text text = check.outcome == LimitCheck::NotAscending ? Text::HighAboveLow : Text::NotNumerical;
    view_.Tell({Pick(text), Pick(Text::AllowanceTitle), MessageButtons::CancelTryContinue});
    return;
  }

  if (keeping_ && !keeping_->KeepEndingRun(runLines_)) {
    view_.Tell({Pick(Text::ArchiveSpoolFailed), kDefaultMessageTitleUtf8, MessageButtons::OkWarning});
    return;
  }
  runLines_.clear();

  state_.MeasureState = 0;
  state_.ReadingNo = 0;
  state_.GridRow = 0;
  toldNotWritten_ = false;
  toldFull_ = false;
  // A run log that cannot be emptied now is emptied before the first line of
  // this run is written, so two runs never mix.
  if (!queue_.StartRun(runLogFile_)) TellOncePerRun(toldNotWritten_, Text::RunLogNotWritten);
  view_.ClearGrid();
  if (watcher_) watcher_->RunStarted();
  if (keeping_) keeping_->RunBegun();
  ShowScreen(0);

  if (state_.DriverRunning != kFalse) { // a run still open on the device side, after STOP
    SetMeasuring(true);
    return;
  }
  controls_.startEnabled = controls_.stopEnabled = controls_.limitsEnabled = false;
  view_.ShowRunControls(controls_);
  if (state_.ErrorPending != kFalse) {
    state_.ErrorPending = kFalse;
    device_.DeviceStop();
    if (!view_.Wait(1.0f)) return; // closed during the wait: no run for a gone window
  }
  device_.DeviceStart();
}

void RunFlow::StopClicked() {
  state_.MeasureState = 1;
  SetMeasuring(false);
}

void RunFlow::ResetClicked() { ClearAlarm(); }

void RunFlow::ScreenClicked(int index) { ShowScreen(index); }

void RunFlow::LimitOptionClicked(int option) { SwitchOptionOn(option); }

void RunFlow::LimitsEdited(const std::string& high, const std::string& low) {
  highLimit_ = high;
  lowLimit_ = low;
  limits_ = ReadLimits(high, low);
  TellWatcherTheAllowance();
}

// ---- display routines ------------------------------------------------------------

void RunFlow::SetMeasuring(bool on) {
  controls_.indicator = on ? Pick(Text::MeasureMode) : std::string();
  controls_.startEnabled = !on;
  if (on) controls_.stopEnabled = true; // STOP keeps its state when the run display ends
  controls_.limitsEnabled = !on;
  view_.ShowRunControls(controls_);
}

void RunFlow::SetLimitMode(int mode) {
  state_.LimitUnitMode = static_cast<std::int16_t>(mode);
  const int option = mode == 0 ? 0 : 1;
  SwitchOptionOn(option);
  view_.ShowLimitUnit(option, LimitUnitText(option));
  TellWatcherTheAllowance();
}

// The limit boxes echo every text the run puts into them, and a unit click
// sets the unit twice: the watcher hears only what really changed.
void RunFlow::TellWatcherTheAllowance() {
  const Allowance now{highLimit_, lowLimit_, state_.LimitUnitMode};
  if (!watcher_ || now == watcherAllowance_) return;
  watcherAllowance_ = now;
  watcher_->AllowanceChanged(now);
}

// Switching an option on raises its click, whoever switches it: the
// start-up's own switch is the first click, which FirstFlg lets pass with the
// stored limits; every later change of unit empties both limits.
void RunFlow::SwitchOptionOn(int option) {
  if (optionOn_ == option) return;
  optionOn_ = option;
  if (state_.FirstFlg == 1)
    state_.FirstFlg = 0;
  else
    SetLimits("", "");
  SetLimitMode(option);
}

void RunFlow::SetLimits(const std::string& high, const std::string& low) {
  LimitsEdited(high, low);
  view_.ShowLimits(high, low);
}

void RunFlow::ShowScreen(int index) {
  if (index == 0) view_.ShowScreen(Screen::Measure, Pick(Text::MeasureScreen));
  if (index == 1) view_.ShowScreen(Screen::Alarm, Pick(Text::AlarmScreen));
}

void RunFlow::ClearAlarm() { view_.ShowAlarmText(std::string()); }

// Every reading says so on the panel; its words change far less often.
void RunFlow::ShowDiagnose() {
  if (diagnoseShown_ && *diagnoseShown_ == diagnose_) return;
  diagnoseShown_ = diagnose_;
  view_.ShowDiagnoseWords(diagnose_);
}

// ---- the run log -------------------------------------------------------------------

// A run log that cannot be written costs neither the reading on screen nor
// the run; the line waits for the file.
void RunFlow::RecordInRunLog(std::string line) {
  runLines_ += line;
  switch (queue_.Keep(runLogFile_, std::move(line))) {
  case KeepResult::Written:
    break;
  case KeepResult::Held:
    TellOncePerRun(toldNotWritten_, Text::RunLogNotWritten);
    break;
  case KeepResult::Dropped:
    TellOncePerRun(toldNotWritten_, Text::RunLogNotWritten);
    TellOncePerRun(toldFull_, Text::RunLogFull);
    break;
  }
}

void RunFlow::TellOncePerRun(bool& told, Text text) {
  if (told) return;
  told = true;
  view_.TellLater({Pick(text), kDefaultMessageTitleUtf8, MessageButtons::OkWarning});
}

} // namespace orva
