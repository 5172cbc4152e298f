// The controls of the main window ORVA_diag, named as in the rest of the
// program. The layout table, the captions and the window all key on these.
#pragma once

namespace orva {

enum class MainControl {
  lblExe, lblDriver, lblDiag,          // diagnose panel
  lblMeasure, CmdErrorReset, lblDisp,
  cmdDispChange0, cmdDispChange1,      // MEASURE / ALARM screen buttons
  MSFlexGridMsr, txtError,
  frmCmd,                              // borderless frame of the command area
  LblTitle, frmMeasure, Picture1,      // inside frmCmd
  cmdStart, cmdEnd, frmLimit,          // inside frmMeasure
  OptLimitMode0, lblForce, OptLimitMode1, lblHz, // inside frmLimit
  lblHighTitle, txtLimitHigh, lblHigh,
  lblLowTitle, txtLimitLow, lblLow,
  lblPrintTitle, txtPrintTitle,
  cmdSave, CmdExit, cmdPrint,
  lblAllowanceName,                    // inside frmCmd, below frmMeasure (last, so no other id moves)
  Count
};

inline constexpr int kMainControlCount = static_cast<int>(MainControl::Count);

// The names above as text, in the same order, for tools and test messages.
inline constexpr const char* kMainControlNames[kMainControlCount] = {
    "lblExe", "lblDriver", "lblDiag", "lblMeasure", "CmdErrorReset", "lblDisp",
    "cmdDispChange0", "cmdDispChange1", "MSFlexGridMsr", "txtError", "frmCmd",
    "LblTitle", "frmMeasure", "Picture1", "cmdStart", "cmdEnd", "frmLimit",
    "OptLimitMode0", "lblForce", "OptLimitMode1", "lblHz", "lblHighTitle",
    "txtLimitHigh", "lblHigh", "lblLowTitle", "txtLimitLow", "lblLow",
    "lblPrintTitle", "txtPrintTitle", "cmdSave", "CmdExit", "cmdPrint", "lblAllowanceName"};

// Menu items of the main window (command identifiers in the Win32 shell).
// What each is to the operator: what each control is stands beside its row
// in station/settings/win/main_control_looks.h.
enum class MainMenu {
  menu_file,   // File
  fsave,       // File > Save: the results file
  fprint,      // File > Print: prints the run log
  exit,        // File > Exit: ends the program
  menu_tool,   // Tool
  USBdiagnose, // Tool > Diagnose: shows the diagnose labels
  Setting,     // Tool > Setting: the settings dialog
  Statistics,  // Tool > Statistics: the run's statistics window
  menu_help,   // Help
  fhelp,       // Help > Help: the operator's help
  version,     // Help > Version: the About command
  RunArchive,  // File > Run Archive: the runs kept by themselves (last, so no other item's id moves)
  Allowances,  // Tool > Allowances...: the named allowances, chosen and managed (after the others, likewise)
  Count
};

} // namespace orva

namespace orva {
// Win32 command identifier of a menu item (top-level headings included, so
// every item can be addressed by command).
inline constexpr unsigned MenuCommandId(MainMenu item) { return 40001u + static_cast<unsigned>(item); }
// Win32 control identifier of a control.
inline constexpr int ControlId(MainControl control) { return 1001 + static_cast<int>(control); }
} // namespace orva
