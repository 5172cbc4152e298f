#include "station/archive/win/archive_files.h"

#include "station/output/win/output_files.h"
#include "station/output/win/results_save.h"
#include "winkit/files.h"

#include <windows.h>
#include <shlobj.h>

namespace orva {
namespace {

constexpr char kTemporarySuffix[] = ".tmp";
constexpr char kDefaultFolderName[] = "ORVA Runs";

RunTime FromSystemTime(const SYSTEMTIME& t) {
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

} // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
  return folder + "\\" + name;
}

bool WriteFileWhole(const std::string& folder, const std::string& name, const std::string& bytes) {
  const std::string target = JoinPath(folder, name);
  // A temporary name of this writer's own: two stations delivering the same
  // name into one folder must never write into each other's temporary.
  static volatile LONG written = 0;
  const std::string temporary = target + "." + std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(InterlockedIncrement(&written)) + kTemporarySuffix;
  if (!WriteNewFileFlushed(temporary, bytes)) return false;
  // MoveFile never replaces: a name taken meanwhile stays the other run's.
  if (MoveFileA(temporary.c_str(), target.c_str())) return true;
  DeleteFileA(temporary.c_str());
  return false;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(JoinPath(folder, "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::string DefaultArchiveFolder() {
  char documents[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, SHGFP_TYPE_CURRENT, documents)))
    return {};
  return JoinPath(documents, kDefaultFolderName);
}

void MakeDefaultArchiveFolder(const std::string& folder) {
  if (!folder.empty() && folder == DefaultArchiveFolder()) CreateDirectoryA(folder.c_str(), nullptr);
}

std::string ThisComputerName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof name;
  return GetComputerNameA(name, &size) ? std::string(name, size) : std::string("PC");
}

RunTime LocalTimeNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return FromSystemTime(now);
}

std::optional<RunTime> LastWritten(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  FILETIME local;
  SYSTEMTIME time;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time))
    return std::nullopt;
  return FromSystemTime(time);
}

KeeperFiles::KeeperFiles(std::string recordPath, std::string runLogPath, std::string spoolFolder,
                         std::function<bool()> bringRunLogUpToDate)
    : recordPath_(std::move(recordPath)), runLogPath_(std::move(runLogPath)), spoolFolder_(std::move(spoolFolder)),
      bringRunLogUpToDate_(std::move(bringRunLogUpToDate)) {}

std::optional<std::string> KeeperFiles::ReadRunRecord() { return ReadWholeFile(recordPath_); }

bool KeeperFiles::WriteRunRecord(const std::string& text) { return WriteWholeFile(recordPath_, text); }

std::optional<std::string> KeeperFiles::ReadRunLog() {
  // Lines still held would be missing from the file: not a whole run then.
  if (bringRunLogUpToDate_ && !bringRunLogUpToDate_()) return std::nullopt;
  return ReadWholeFile(runLogPath_);
}

bool KeeperFiles::RunLogPresent() { return winkit::FileExists(runLogPath_); }

std::string KeeperFiles::ResultsBytes(const RunRecord& r, const std::string& runLog) {
  const ResultsHeaderInput header{r.language, r.printTitle, r.allowance.highText, r.allowance.lowText,
                                  static_cast<std::int16_t>(r.allowance.limitUnitMode)};
  return ResultsFileBytes(header, runLog);
}

std::vector<std::string> KeeperFiles::SpooledNames() { return FileNamesIn(spoolFolder_); }

bool KeeperFiles::WriteSpooled(const std::string& name, const std::string& bytes) {
  CreateDirectoryA(spoolFolder_.c_str(), nullptr);
  return WriteFileWhole(spoolFolder_, name, bytes);
}

DeliveryFiles::DeliveryFiles(std::string spoolFolder, std::string archiveFolder)
    : spoolFolder_(std::move(spoolFolder)), archiveFolder_(std::move(archiveFolder)) {}

std::vector<std::string> DeliveryFiles::SpooledNames() { return FileNamesIn(spoolFolder_); }

std::optional<std::string> DeliveryFiles::ReadSpooled(const std::string& name) {
  return ReadWholeFile(JoinPath(spoolFolder_, name));
}

bool DeliveryFiles::RemoveSpooled(const std::string& name) {
  return DeleteFileA(JoinPath(spoolFolder_, name).c_str()) != 0;
}

std::optional<std::string> DeliveryFiles::ReadArchived(const std::string& name, bool& reached) {
  reached = !archiveFolder_.empty() && winkit::FolderExists(archiveFolder_);
  if (!reached) return std::nullopt;
  return ReadWholeFile(JoinPath(archiveFolder_, name));
}

bool DeliveryFiles::WriteArchived(const std::string& name, const std::string& bytes) {
  return WriteFileWhole(archiveFolder_, name, bytes);
}

} // namespace orva
