// The folder a program or library was loaded from, for the files that live
// beside it (settings, run log, help, companion programs).
#pragma once

#include <string>
#include <windows.h>

namespace winkit {

// ANSI path without a trailing backslash; nullptr names the executable.
// Empty when the module's path cannot be read or has no folder part.
std::string ModuleFolder(HMODULE module = nullptr);

// The module's full file name (ANSI); empty when it cannot be read.
std::string ModulePath(HMODULE module = nullptr);

} // namespace winkit
