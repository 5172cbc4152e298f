#include "version_resource.h"

#include <windows.h>

#include <vector>

#include "version_text.h"

namespace devlink::dll {

void readCompanionVersionText(char (&out)[kVersionTextSize]) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(kCompanionFile, &ignored);
  std::vector<unsigned char> resource(static_cast<std::size_t>(size) + 1);
  void* fixed = nullptr;
  UINT fixedSize = 0;
  if (size == 0 || !GetFileVersionInfoA(kCompanionFile, 0, size, resource.data()) ||
      !VerQueryValueA(resource.data(), "\\", &fixed, &fixedSize) || fixed == nullptr ||
      fixedSize < sizeof(VS_FIXEDFILEINFO)) {
    missingVersionText(out);
    return;
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  formatVersionText(info->dwFileVersionMS, info->dwFileVersionLS, out);
}

} // namespace devlink::dll
