// Whether a file or a folder exists. Paths are in the ANSI code page, as
// the programs' own files are.
#pragma once

#include <string>

namespace winkit {

bool FileExists(const std::string& ansiPath);   // a file, not a folder
bool FolderExists(const std::string& ansiPath); // a folder, not a file

} // namespace winkit
