// Puts text and a picture on the clipboard in one go: CF_UNICODETEXT and
// CF_DIB (the system offers CF_BITMAP from it).
#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace orva {

// False when the clipboard could not be opened (another program holds it)
// or a format could not be placed; what was placed stays.
bool CopyTextAndPicture(HWND owner, const std::wstring& text, const std::vector<BYTE>& packedDib);

} // namespace orva
