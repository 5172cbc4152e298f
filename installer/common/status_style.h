// Alignment and colour of the status line, as the installer routines pass them.
#pragma once

namespace orva::installer {

inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignCentre = 2;
inline constexpr unsigned kBlack = 0;     // 0x00BBGGRR
inline constexpr unsigned kRed = 255;

} // namespace orva::installer
