#include "installer/dirsweep/win/folder_delete.h"

#include "installer/dirsweep/win/exe_active_binding.h"

#include <windows.h>

namespace orva::dirsweep {
namespace {

void Note(std::string& error, const std::string& path, DWORD code) {
  if (error.empty()) error = path + ": " + SystemErrorText(code);
}

bool DeleteContents(const std::string& folder, std::string& error) {
  bool all = true;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_NO_MORE_FILES) return true;
    Note(error, folder, code);
    return false;
  }
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      const bool inner = DeleteContents(path, error);
      if (!RemoveDirectoryA(path.c_str())) {
        if (inner) Note(error, path, GetLastError());
        all = false;
      }
    } else if (!DeleteFileA(path.c_str())) {
      Note(error, path, GetLastError());
      all = false;
    }
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return all;
}

} // namespace

bool DeleteFolderTree(const std::string& folder, std::string& error) {
  error.clear();
  const bool contents = DeleteContents(folder, error);
  if (RemoveDirectoryA(folder.c_str())) return true;
  if (contents || error.empty()) Note(error, folder, GetLastError());
  return false;
}

} // namespace orva::dirsweep
