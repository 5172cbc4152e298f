// The run archive's settings, kept in ORVA.ini in a section of their own:
//   [Archive]
//   KeepEveryRun=1      0 turns the archive off; a file without it keeps every run
//   Folder=             the archive folder (ANSI); empty: the default folder
// Every other section and key of the file stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace orva {

inline constexpr const char kSecArchive[] = "Archive";
inline constexpr const char kKeyKeepEveryRun[] = "KeepEveryRun";
inline constexpr const char kKeyArchiveFolder[] = "Folder";

struct ArchiveSettings {
  bool keepEveryRun = true;
  std::string folder; // empty: the default folder
  friend bool operator==(const ArchiveSettings&, const ArchiveSettings&) = default;
};

// From the two values as the file gives them ("" for a missing key).
ArchiveSettings ArchiveSettingsFromIni(std::string_view keepEveryRun, std::string_view folder);
const char* KeepEveryRunToIni(bool keep);

// The folder the runs go to: the one set, or the default.
std::string ArchiveFolderIn(const ArchiveSettings& settings, const std::string& defaultFolder);

} // namespace orva
