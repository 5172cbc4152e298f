// The measurement program's names that the installation tools must know,
// and the caption the tools share: one header for the station and the
// installer, so a name cannot drift on one side.
#pragma once

namespace orva {

// ORVA.exe's single-instance mutex; the installer and the uninstaller refuse
// while it exists.
inline constexpr char kProgramMutexName[] = "ORVA";
// ORVA.exe's title: the caption of its message boxes, its about box and the
// name of its print job.
inline constexpr wchar_t kDefaultMessageTitle[] = L"ORVA";
inline constexpr char kDefaultMessageTitleUtf8[] = "ORVA"; // the same, for portable code
// The window caption and banner of the installation tools.
inline constexpr wchar_t kSetupCaption[] = L"ORVA Setup";

} // namespace orva
