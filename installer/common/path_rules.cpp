#include "installer/common/path_rules.h"

namespace orva::installer {

std::string& AddBackslash(std::string& path) {
  if (path.empty()) return path;
  const auto last = path.rfind('\\');
  if (last == std::string::npos || last + 1 < path.size()) path += '\\';
  return path;
}

std::string WithBackslash(std::string path) { return AddBackslash(path); }

bool ContainsBlank(std::string_view path) { return path.find(' ') != std::string_view::npos; }

std::string ProgramFolderFor(std::string root) {
  return WithBackslash(AddBackslash(root) + "EXE");
}

std::vector<std::string> FolderLevels(std::string_view folder) {
  std::vector<std::string> levels;
  const auto first = folder.find('\\');
  if (first == std::string_view::npos) return levels;
  for (auto at = folder.find('\\', first + 1), previous = first; at != std::string_view::npos;
       previous = at, at = folder.find('\\', at + 1)) {
    if (at == previous + 1) break; // a doubled backslash names no folder
    levels.emplace_back(folder.substr(0, at + 1));
  }
  return levels;
}

std::string FolderPartOf(std::string_view chosenPath) {
  const auto last = chosenPath.rfind('\\');
  if (last == std::string_view::npos) return {};
  return std::string(chosenPath.substr(0, last + 1));
}

} // namespace orva::installer
