// The two special folders that receive the program's shortcut.
#pragma once

namespace orva::installer {

enum class SpecialFolder { Desktop, Programs };

inline constexpr char kShortcutName[] = "ORVA.exe.lnk";

} // namespace orva::installer
