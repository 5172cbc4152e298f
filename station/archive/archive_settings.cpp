#include "station/archive/archive_settings.h"

namespace orva {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

ArchiveSettings ArchiveSettingsFromIni(std::string_view keepEveryRun, std::string_view folder) {
  return {Trimmed(keepEveryRun) != "0", std::string(Trimmed(folder))};
}

const char* KeepEveryRunToIni(bool keep) { return keep ? "1" : "0"; }

std::string ArchiveFolderIn(const ArchiveSettings& settings, const std::string& defaultFolder) {
  return settings.folder.empty() ? defaultFolder : settings.folder;
}

} // namespace orva
