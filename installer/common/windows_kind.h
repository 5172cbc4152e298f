// The Windows kind the installation tools act on, from the version the
// system reports (GetVersionExA with the 148-byte record).
#pragma once

#include <optional>

namespace orva::installer {

enum class WindowsKind : int {
  Unknown = 0,     // not recognised
  Win9x = 1,       // Windows 95/98/Me family
  ModernNt = 2,    // Windows 2000 and later NT versions
  OldNt = 3,       // Windows NT 4 and older
};

struct ReportedVersion {
  unsigned long platformId; // 1 = 9x family, 2 = NT
  unsigned long major;
  unsigned long minor;
};

struct WindowsDetection {
  WindowsKind kind;
  const char* label; // text for the diagnostic label LblOS, or nullptr: leave it unchanged
};

// No reported version (the call failed) gives kind 0 and no label.
WindowsDetection DetectionFor(const std::optional<ReportedVersion>& reported);

} // namespace orva::installer
