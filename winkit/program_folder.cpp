#include "winkit/program_folder.h"

namespace winkit {

std::string ModulePath(HMODULE module) {
  // Paths longer than MAX_PATH are truncated by the call; grow until they fit.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::string ModuleFolder(HMODULE module) {
  const std::string path = ModulePath(module);
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace winkit
