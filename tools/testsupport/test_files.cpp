#include "tools/testsupport/test_files.h"

namespace orva::testsupport {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

RunLogBlocker::RunLogBlocker(Kind kind, const std::string& path, DWORD tryMs) {
  const DWORD sharing = kind == Locked ? 0 : FILE_SHARE_READ;
  const DWORD start = GetTickCount();
  for (;;) {
    hold_ = CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (Blocking() || GetTickCount() - start >= tryMs) return;
    Sleep(10);
  }
}

void RunLogBlocker::Release() {
  if (Blocking()) CloseHandle(hold_);
  hold_ = INVALID_HANDLE_VALUE;
}

} // namespace orva::testsupport
