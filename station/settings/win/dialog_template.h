// An empty in-memory dialog template: the dialogs create their controls at
// WM_INITDIALOG from their twips tables, so the template carries only the
// window style and an empty caption.
#pragma once

#include <vector>
#include <windows.h>

namespace orva {

// The returned words hold a DLGTEMPLATE with no controls; keep them alive for
// the DialogBoxIndirectParamW call.
std::vector<WORD> EmptyDialogTemplate();

// Gives the dialog a client area of the given twips and centres it over its
// owner (or the screen).
void SizeDialogClient(HWND dialog, int clientTwipsWidth, int clientTwipsHeight);

// Creates a child control at a twips rectangle of the dialog's client area.
HWND CreateDialogControl(HWND dialog, const wchar_t* className, DWORD style, int id, int leftTwips,
                         int topTwips, int widthTwips, int heightTwips);

} // namespace orva
