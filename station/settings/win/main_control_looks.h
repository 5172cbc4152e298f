// What each control of the main window is: its kind and style, one row per
// control in the order of MainControl (the compiler checks it), and what it
// is to the operator. Places stand in the layout table (main_layout).
#pragma once

#include "station/main_controls.h"
#include "winkit/controls.h"

#include <array>
#include <windows.h>

namespace orva {

namespace main_look {

using winkit::ControlKind;
using C = MainControl;
inline constexpr DWORD kLabel = SS_NOPREFIX | SS_LEFT;
inline constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
inline constexpr DWORD kOption = BS_RADIOBUTTON | WS_TABSTOP; // switched by the window, not by the system
inline constexpr DWORD kTextBox = ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP;
inline constexpr DWORD kAlarmList = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;

inline constexpr std::array<winkit::ControlLook<MainControl>, kMainControlCount> kMainControlLooks = {{
    {C::lblExe, ControlKind::Label, kLabel},         // diagnose: handler program running or not
    {C::lblDriver, ControlKind::Label, kLabel},      // diagnose: meter running or not
    {C::lblDiag, ControlKind::Label, kLabel},        // diagnose: the last link event
    {C::lblMeasure, ControlKind::Label, kLabel},     // "Measure Mode" while a run goes on
    {C::CmdErrorReset, ControlKind::Button, kButton}, // the alarm RESET button
    {C::lblDisp, ControlKind::Label, kLabel},        // which screen is shown
    {C::cmdDispChange0, ControlKind::Button, kButton}, // the MEASURE screen button
    {C::cmdDispChange1, ControlKind::Button, kButton}, // the ALARM screen button
    {C::MSFlexGridMsr, ControlKind::Custom, 0},      // the readings grid (MEASURE screen)
    {C::txtError, ControlKind::Edit, kAlarmList},    // the error reports (ALARM screen)
    {C::frmCmd, ControlKind::Frame, 0},              // the command area, no border
    {C::LblTitle, ControlKind::Label, SS_NOPREFIX | SS_CENTER}, // the product name "TENSOWAVE"
    {C::frmMeasure, ControlKind::Frame, 0},          // holds START, STOP and the allowance
    {C::Picture1, ControlKind::Custom, 0},           // the picture of belt and sensor
    {C::cmdStart, ControlKind::Button, kButton},     // the START button
    {C::cmdEnd, ControlKind::Button, kButton},       // the STOP button
    {C::frmLimit, ControlKind::Frame, 0},            // the allowance
    {C::OptLimitMode0, ControlKind::Option, kOption}, // limits in N (force)
    {C::lblForce, ControlKind::Label, kLabel},       // "Force", beside it
    {C::OptLimitMode1, ControlKind::Option, kOption}, // limits in Hz (frequency)
    {C::lblHz, ControlKind::Label, kLabel},          // "Frequency", beside it
    {C::lblHighTitle, ControlKind::Label, kLabel},   // "High Limit "
    {C::txtLimitHigh, ControlKind::Edit, kTextBox}, // the high limit
    {C::lblHigh, ControlKind::Label, kLabel},        // its unit
    {C::lblLowTitle, ControlKind::Label, kLabel},    // "Low  Limit "
    {C::txtLimitLow, ControlKind::Edit, kTextBox},  // the low limit
    {C::lblLow, ControlKind::Label, kLabel},         // its unit
    {C::lblPrintTitle, ControlKind::Label, kLabel},  // "Print Title"
    {C::txtPrintTitle, ControlKind::Edit, kTextBox}, // the title line of a printout
    {C::cmdSave, ControlKind::Button, kButton},      // the Save button: the results file
    {C::CmdExit, ControlKind::Button, kButton},      // the Exit button: ends the program
    {C::cmdPrint, ControlKind::Button, kButton},     // the Print button: prints the run log
    {C::lblAllowanceName, ControlKind::Label, kLabel | SS_ENDELLIPSIS}, // the named allowance in use, if any
}};
static_assert(winkit::RowsInEnumOrder(kMainControlLooks), "every MainControl has its row, in the order of the enum");

} // namespace main_look

using main_look::kMainControlLooks;

} // namespace orva
