// Module-wide state of the measurement station (ORVA_lib): run flags,
// counters, settings copies, paths, window handles and the three link
// records. The program holds exactly one instance, owned by the main window's
// creator, alive for the whole run; everything starts zero, empty or False.
#pragma once

#include "devlink/link_block.h"

#include <cstdint>
#include <string>
#include <windows.h>

namespace orva {

// Long booleans keep the -1/0 form of the rest of the system.
using Long = std::int32_t;
inline constexpr Long kTrue = -1;
inline constexpr Long kFalse = 0;
inline constexpr Long LongBool(bool value) { return value ? kTrue : kFalse; }

struct OrvaLib {
  HWND MainHwnd = nullptr;
  WNDPROC OldWndProc = nullptr;       // procedure in place before subclassing
  devlink::LinkStatus StatusRec{};
  devlink::LinkReceive ReceiveRec{};
  devlink::LinkParams ParamsRec{};
  Long ExeStarted = kFalse;           // 0x465 has arrived
  Long DriverRunning = kFalse;        // between 0x466 and 0x467..0x46A
  Long ErrorPending = kFalse;         // after 0x467 / 0x46A until START
  std::int16_t MeasureState = 0;      // 0 = grid takes readings, 1 = STOP pressed
  Long ReadingNo = 0;
  Long GridRow = 0;                   // 1-based row of the latest reading
  std::int16_t LimitUnitMode = 0;     // 0 = N, 1 = Hz
  std::string CurLanguage;            // UTF-8; "english" from start-up on
  std::string CurSaveType;            // NeglectHighLow as read (ANSI)
  std::string CurDiagMode;            // [Diagnose] Mode as read (ANSI)
  std::string NewLanguage;            // the settings dialog's pending choices,
  std::string NewSaveType;            // reloaded at every opening
  std::string NewDiagMode;
  std::string TempPath;               // run log, ANSI path
  std::string IniPath;
  std::string PrintPath;
  std::string HelpPath;
};

} // namespace orva
