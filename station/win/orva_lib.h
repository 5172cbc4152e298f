// Module-wide state of the measurement station (ORVA_lib): settings copies,
// paths, window handles and the three link records. The run's flags and
// counters live with the run (RunState in station/run_flow.h). The program
// holds exactly one instance, owned by the main window's creator, alive for
// the whole run; everything starts zero, empty or False.
#pragma once

#include "devlink/link_block.h"
#include "station/settings/text_table.h"

#include <cstdint>
#include <string>
#include <windows.h>

namespace orva {

struct OrvaLib {
  HWND MainHwnd = nullptr;
  WNDPROC OldWndProc = nullptr;       // procedure in place before subclassing
  devlink::LinkStatus StatusRec{};
  devlink::LinkReceive ReceiveRec{};
  devlink::LinkParams ParamsRec{};
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

// The start parameters of USBStart and DeviceStart: the main window, the
// language flag (1 = English) and the two fixed words.
inline devlink::LinkParams StartParams(const OrvaLib& lib) {
  return {static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(lib.MainHwnd)),
          IsEnglish(lib.CurLanguage) ? 1u : 0u, devlink::kParam3, devlink::kParam4};
}

} // namespace orva
