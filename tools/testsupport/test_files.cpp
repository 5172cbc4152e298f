#include "tools/testsupport/test_files.h"

#include <algorithm>
#include <fstream>
#include <sstream>

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

std::string FreshTempFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + name;
  RemoveTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  const std::string pattern = folder + (!folder.empty() && folder.back() == '\\' ? "*" : "\\*");
  HANDLE find = FindFirstFileA(pattern.c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

} // namespace orva::testsupport
