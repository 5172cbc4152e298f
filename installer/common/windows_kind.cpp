#include "installer/common/windows_kind.h"

namespace orva::installer {

WindowsDetection DetectionFor(const std::optional<ReportedVersion>& reported) {
  if (!reported) return {WindowsKind::Unknown, nullptr};
  const auto [platform, major, minor] = *reported;
  if (platform == 1) {
    if (major == 4 && minor == 0) return {WindowsKind::Win9x, "Windows95"};
    if (major == 4 && minor == 10) return {WindowsKind::Win9x, "Windows98"};
    if (major == 4 && minor == 90) return {WindowsKind::Win9x, "WindowsMe"};
    return {WindowsKind::Win9x, nullptr};
  }
  if (platform == 2) {
    if (major <= 4) return {WindowsKind::OldNt, "WindowsNT"};
    if (major == 5 && minor == 0) return {WindowsKind::ModernNt, "Windows2000"};
    if (major == 5 && minor == 1) return {WindowsKind::ModernNt, "WindowsXP"};
    if (major == 5) return {WindowsKind::ModernNt, nullptr};
    return {WindowsKind::ModernNt, "Windows?"};
  }
  return {WindowsKind::Unknown, nullptr};
}

} // namespace orva::installer
