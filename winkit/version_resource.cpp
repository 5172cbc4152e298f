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

// The version resource through the A or W pair of calls.
template <class Char, class SizeFn, class InfoFn>
std::optional<FileVersion> ReadWith(const Char* path, SizeFn size, InfoFn info) {
  DWORD ignored = 0;
  const DWORD bytes = size(path, &ignored);
  if (bytes == 0) return std::nullopt;
  std::vector<unsigned char> data(static_cast<std::size_t>(bytes) + 1);
  if (!info(path, 0, bytes, data.data())) return std::nullopt;
  return FixedVersion(data);
}

} // namespace

std::optional<FileVersion> ReadFileVersion(const std::string& ansiPath) {
  return ReadWith(ansiPath.c_str(), &GetFileVersionInfoSizeA, &GetFileVersionInfoA);
}

std::optional<FileVersion> ReadFileVersion(const std::wstring& path) {
  return ReadWith(path.c_str(), &GetFileVersionInfoSizeW, &GetFileVersionInfoW);
}

} // namespace winkit
