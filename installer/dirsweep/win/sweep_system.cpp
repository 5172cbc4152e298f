#include "installer/dirsweep/win/sweep_system.h"

#include "installer/common/win/routines.h"
#include "installer/dirsweep/win/folder_delete.h"
#include "winkit/handle.h"

#include <windows.h>

namespace orva::dirsweep {
namespace {

// More than any handle line needs; the rest of a longer file is not read.
constexpr DWORD kReadLimit = 4096;

std::string FolderOf(const installer::Tool& tool) {
  std::string folder = tool.folder;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

} // namespace

std::optional<std::string> ReadFirstLineOf(const std::string& path, std::string& error) {
  winkit::UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string text(kReadLimit, '\0');
  DWORD read = 0;
  if (!file || !ReadFile(file.Get(), text.data(), kReadLimit, &read, nullptr)) {
    error = path + ": " + SystemErrorText(GetLastError());
    return std::nullopt;
  }
  text.resize(read);
  if (text.empty()) {
    error = path + ": the file is empty";
    return std::nullopt;
  }
  return text.substr(0, text.find_first_of("\r\n"));
}

WinSweepSystem::WinSweepSystem(const installer::Tool& tool) : tool_(tool), exeActive_(FolderOf(tool)) {}

bool WinSweepSystem::IsFile(const std::string& path) { return installer::IsFile(path); }

bool WinSweepSystem::IsFolder(const std::string& path) { return installer::IsFolder(path); }

std::optional<std::string> WinSweepSystem::ReadFirstLine(const std::string& path, std::string& error) {
  return ReadFirstLineOf(path, error);
}

std::optional<bool> WinSweepSystem::ExeActive(std::uint32_t window, std::string& error) {
  return exeActive_.ExeActive(window, error);
}

void WinSweepSystem::PauseSeconds(double seconds) { installer::PauseSeconds(tool_, seconds); }

bool WinSweepSystem::DeleteFolder(const std::string& path, std::string& error) {
  return DeleteFolderTree(path, error);
}

} // namespace orva::dirsweep
