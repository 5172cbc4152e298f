#include "station/allowances/win/allowance_files.h"

#include "station/output/win/output_files.h"
#include "winkit/files.h"

#include <windows.h>

namespace orva {

std::string AllowanceListPathBeside(const std::string& iniPath) {
  const size_t slash = iniPath.find_last_of("\\/");
  return (slash == std::string::npos ? std::string() : iniPath.substr(0, slash + 1)) + kAllowanceListFileName;
}

CsvReading ReadAllowanceListFile(const std::string& path) {
  if (!winkit::FileExists(path)) return {};
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return {};
  return ReadAllowanceCsv(*bytes);
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes, bool keepOld) {
  const std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
  DeleteFileA(temporary.c_str()); // left by an earlier copy of the same process id that crashed
  if (!WriteNewFileFlushed(temporary, bytes)) return false;
  if (keepOld && winkit::FileExists(path))
    MoveFileExA(path.c_str(), (path + kDamagedListSuffix).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileA(temporary.c_str());
  return false;
}

} // namespace orva
