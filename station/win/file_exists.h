// FileExists: whether a file (not a folder) of that name exists. Used for
// the settings file, the device-link library and the results file.
#pragma once

#include <string>

namespace orva {

bool FileExists(const std::string& path); // path in the ANSI code page

} // namespace orva
