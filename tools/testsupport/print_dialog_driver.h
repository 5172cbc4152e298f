// The system's Print dialog seen from another thread or process, as an
// operator uses it: find it, read and choose the printer in its list, press
// Print (OK) or Cancel.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orva::testsupport {

// A visible Print dialog (a dialog with the printer list) of the process;
// null on time-out.
HWND WaitForPrintDialog(DWORD processId, DWORD ms);

std::vector<std::wstring> PrinterChoices(HWND dialog);
std::wstring ChosenPrinter(HWND dialog);
// Selects the printer by name as a click in the list does (the dialog is
// told of the change). False when the list has no such entry.
bool ChoosePrinter(HWND dialog, const std::wstring& name);

// Posted clicks, so the caller never waits for the dialog to close.
void ConfirmPrintDialog(HWND dialog); // Print / OK
void CancelPrintDialog(HWND dialog);

// The station's printing box, shown while a printout goes to the printer: a
// visible dialog of the process with a Cancel button and no printer list.
// Null on time-out.
HWND WaitForPrintingBox(DWORD processId, DWORD ms);
// Its text lines (what is printed, the page), top to bottom.
std::vector<std::wstring> PrintingBoxLines(HWND box);
void CancelPrintingBox(HWND box); // posted click on Cancel

// Waits until the window is gone; false on time-out.
bool WaitUntilGone(HWND window, DWORD ms);

} // namespace orva::testsupport
