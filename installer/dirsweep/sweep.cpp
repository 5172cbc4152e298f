#include "installer/dirsweep/sweep.h"

namespace orva::dirsweep {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

} // namespace

std::optional<std::uint32_t> ParseWindowHandle(std::string_view line) {
  std::size_t i = 0, end = line.size();
  while (i < end && IsBlank(line[i])) ++i;
  while (end > i && IsBlank(line[end - 1])) --end;
  bool negative = false;
  if (i < end && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  if (i == end) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < end; ++i) {
    if (line[i] < '0' || line[i] > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(line[i] - '0');
    if (value > 0xFFFFFFFFull) return std::nullopt; // also stops the growth before any wrap
  }
  if (negative) {
    if (value > 0x80000000ull) return std::nullopt;
    return static_cast<std::uint32_t>(0x100000000ull - value);
  }
  return static_cast<std::uint32_t>(value);
}

SweepResult SweepTempFolder(SweepSystem& system) {
  std::string error;
  if (system.IsFile(kHandleFile)) {
    const auto line = system.ReadFirstLine(kHandleFile, error);
    if (!line) return {SweepEnd::HandleNotANumber, error};
    const auto window = ParseWindowHandle(*line);
    if (!window) return {SweepEnd::HandleNotANumber, "\"" + *line + "\""};
    for (int check = 0; check < kMaxWindowChecks; ++check) {
      const auto active = system.ExeActive(*window, error);
      if (!active) return {SweepEnd::LibraryUnavailable, error};
      if (!*active) break;
      system.PauseSeconds(kPauseSeconds);
    }
  } else {
    system.PauseSeconds(kPauseSeconds);
  }
  system.PauseSeconds(kPauseSeconds);

  if (!system.IsFile(kMarkerFile) || !system.IsFolder(std::string(kTempFolder) + "\\"))
    return {SweepEnd::NotMarked, {}};
  if (!system.DeleteFolder(kTempFolder, error)) return {SweepEnd::NotRemoved, error};
  return {SweepEnd::Removed, {}};
}

std::string SweepFailureMessage(const SweepResult& result) {
  const std::string folder = kTempFolder;
  switch (result.end) {
  case SweepEnd::HandleNotANumber:
    return "The installer's window handle could not be read from " + std::string(kHandleFile) +
           ": " + result.detail + ". " + folder + " was not removed.";
  case SweepEnd::LibraryUnavailable:
    return "METERLINK.DLL could not be used: " + result.detail + ". " + folder +
           " was not removed.";
  case SweepEnd::NotRemoved:
    return folder + " could not be wholly removed: " + result.detail + ".";
  case SweepEnd::Removed:
  case SweepEnd::NotMarked:
    break;
  }
  return {};
}

} // namespace orva::dirsweep
