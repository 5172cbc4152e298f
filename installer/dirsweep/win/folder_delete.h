// Deleting a folder with all its files and subfolders, as far as it goes:
// read-only files are not forced, a file in use stays, and everything else
// is still deleted. Paths are ANSI.
#pragma once

#include <string>

namespace orva::dirsweep {

// True when the folder is gone. Otherwise false, with `error` naming the
// first file or folder that stayed and the system's reason.
bool DeleteFolderTree(const std::string& folder, std::string& error);

} // namespace orva::dirsweep
