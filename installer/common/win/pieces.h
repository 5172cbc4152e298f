// The window pieces every installation tool shows: the title banner
// (Picture1), the status line (LblDisp) and the language frame with its two
// options. Each is created from a Custom row of the tool's layout table.
#pragma once

#include <string>
#include <windows.h>

namespace orva::installer {

// The banner keeps its text and draws it again on every paint (persistent
// drawing): at 400, 350 twips, 40 points, bold italic, colour 250/130/110 on
// the button-face colour.
HWND CreateBanner(HWND parent, int id, const RECT& pixels);
void SetBannerText(HWND banner, const std::wstring& text);
std::wstring BannerText(HWND banner);

// The status line keeps its caption as window text (WM_GETTEXT reads it, a
// lone CR between lines included) and draws it in its colour and alignment
// with the font set by WM_SETFONT.
HWND CreateStatusLine(HWND parent, int id, const RECT& pixels);
void SetStatusLine(HWND line, const std::wstring& text, int alignment, COLORREF colour);
COLORREF StatusLineColour(HWND line);
int StatusLineAlignment(HWND line);

} // namespace orva::installer
