// The Print dialog (PrintDlgA), preset from the current printer through the
// module-wide PrinterMode record, which keeps the operator's choices between
// prints. A confirmed dialog may make another installed printer current.
#pragma once

#include "station/output/printer_records.h"

#include <windows.h>

namespace orva {

// The module-wide record: preset before each dialog, the dialog's answer after.
PrinterMode& ModulePrinterMode();

// True when the operator confirmed the dialog; false on Cancel, a failure of
// the dialog, a global block that could not be locked, or no current printer.
bool ShowPrinterDialog(HWND owner, DWORD flags = 0);

} // namespace orva
