#include "winkit/version_resource.h"

#include <windows.h>

#include <vector>

namespace winkit {
namespace {

std::optional<FileVersion> FixedVersion(const std::vector<unsigned char>& data) {
  void* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", &fixed, &length) || !fixed || length < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  return FileVersion{info->dwFileVersionMS, info->dwFileVersionLS};
}

} // namespace

std::optional<FileVersion> ReadFileVersion(const std::string& ansiPath) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(ansiPath.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<unsigned char> data(static_cast<std::size_t>(size) + 1);
  if (!GetFileVersionInfoA(ansiPath.c_str(), 0, size, data.data())) return std::nullopt;
  return FixedVersion(data);
}

std::optional<FileVersion> ReadFileVersion(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<unsigned char> data(static_cast<std::size_t>(size) + 1);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return std::nullopt;
  return FixedVersion(data);
}

} // namespace winkit
