// The program's title: the caption of ORVA.exe's message boxes.
#pragma once

namespace orva {

inline constexpr wchar_t kDefaultMessageTitle[] = L"ORVA";
inline constexpr char kDefaultMessageTitleUtf8[] = "ORVA"; // the same, for portable code

} // namespace orva
