// The fixed file version of a module's version resource (VS_FIXEDFILEINFO):
// the two words programs format into their own version texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace winkit {

struct FileVersion {
  std::uint32_t ms = 0; // dwFileVersionMS: major << 16 | minor
  std::uint32_t ls = 0; // dwFileVersionLS: build << 16 | revision

  int Major() const { return static_cast<int>(ms >> 16); }
  int Minor() const { return static_cast<int>(ms & 0xFFFF); }
  int Build() const { return static_cast<int>(ls >> 16); }
  int Revision() const { return static_cast<int>(ls & 0xFFFF); }
};

// Nothing when the file is missing or carries no readable fixed version. A
// name without a folder is found by the system's library search.
std::optional<FileVersion> ReadFileVersion(const std::string& ansiPath);
std::optional<FileVersion> ReadFileVersion(const std::wstring& path);

} // namespace winkit
