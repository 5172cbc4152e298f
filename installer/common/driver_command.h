// Command lines of the driver registration tools. Nothing is quoted: a
// folder with a blank would split the line, which is why the installer
// refuses to run from such a folder.
#pragma once

#include <string>
#include <string_view>

namespace orva::installer {

inline constexpr char kInstallAction[] = " -silent install";
inline constexpr char kUninstallAction[] = " -silent uninstall";

// "-inf " + infFolder + infName + action; infFolder ends with a backslash.
std::string DriverToolParameters(std::string_view infFolder, std::string_view infName,
                                 std::string_view action);

// The Windows folder's "inf" subfolder with a trailing backslash, where the
// uninstaller finds the INF files.
std::string InfFolderOf(std::string windowsFolder);

} // namespace orva::installer
