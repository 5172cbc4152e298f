#include "station/output/win/run_log_file.h"

#include <windows.h>

namespace orva {
namespace {

bool MoveTo(HANDLE file, std::int64_t offset) {
  LARGE_INTEGER at{};
  at.QuadPart = offset;
  return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != 0;
}

} // namespace

void RunLogFileAt::SetPath(const std::string& path) {
  if (path == path_) return;
  path_ = path;
  cutBackTo_.reset();
}

bool RunLogFileAt::Empty() {
  HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  cutBackTo_.reset();
  return true;
}

bool RunLogFileAt::Append(std::string_view lines) {
  HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  if (cutBackTo_) {
    ok = MoveTo(file, *cutBackTo_) && SetEndOfFile(file);
    if (ok) cutBackTo_.reset();
  }
  LARGE_INTEGER zero{}, end{};
  ok = ok && SetFilePointerEx(file, zero, &end, FILE_END) != 0;
  if (ok) {
    DWORD written = 0;
    ok = WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr) &&
         written == lines.size();
    if (!ok && !(MoveTo(file, end.QuadPart) && SetEndOfFile(file))) cutBackTo_ = end.QuadPart;
  }
  CloseHandle(file);
  return ok;
}

} // namespace orva
