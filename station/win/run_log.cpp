#include "run_log.h"

#include <windows.h>

namespace orva {

bool EmptyRunLog(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool AppendRunLog(const std::string& path, const std::string& line) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER zero{}, end{};
  bool ok = SetFilePointerEx(file, zero, &end, FILE_END) != 0;
  if (ok) {
    DWORD written = 0;
    ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
         written == line.size();
    if (!ok) {
      SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
      SetEndOfFile(file);
    }
  }
  CloseHandle(file);
  return ok;
}

} // namespace orva
