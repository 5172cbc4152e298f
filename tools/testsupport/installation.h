// Test support: an installation laid out the way the installer leaves it,
// without running the installer, so that tests of the uninstaller and the
// folder remover start from a known program folder in a scenario prefix.
// Paths are ANSI.
#pragma once

#include "tools/testsupport/test_files.h"

#include <string>
#include <vector>

namespace orva::testsupport {

inline constexpr char kProgramFolder[] = "C:\\Program Files\\ORVA\\EXE\\";

// The Windows folder as the system reports it (no trailing backslash), and
// its "inf" folder with one.
std::string WindowsFolder();
std::string WindowsInfFolder();
// The user's start-menu programs folder and desktop (no trailing backslash).
std::string ProgramsFolder();
std::string DesktopFolder();
// The two shortcuts the installer creates.
std::vector<std::string> ShortcutPaths();

// Copies every file the installer copies from `source` (the install disk)
// into `programFolder` (created level by level), the two INF files into the
// Windows "inf" folder, the driver file into system32\drivers (as on the
// Windows 95/98/Me family), and creates the two shortcuts to ORVA.exe.
// False, with `error` set, when something could not be put in place.
bool LayOutInstallation(const std::string& source, const std::string& programFolder, std::string& error);

// The target and working directory of a shell link, read back as the shell
// reads it; false when it cannot be read.
bool ReadShortcut(const std::string& link, std::string& target, std::string& workingDirectory);

bool PathExists(const std::string& path);

} // namespace orva::testsupport
