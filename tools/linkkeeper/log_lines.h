// The simulator's log: one line per command received and per notification
// sent, appended to the file named by the scenario's `log` key (opened and
// closed per line, CR LF), so tests can count what the device side was asked
// to do. Line formats are listed in SCENARIO.md. Portable: no windows.h.
#pragma once

#include <cstdint>
#include <string>

namespace linkkeeper {

std::string StartLine(std::uint32_t pid, std::uint32_t window);
std::string InitLine(std::uint32_t mainWindow, std::uint32_t languageFlag, std::uint32_t param3,
                     std::uint32_t param4);
std::string NotifyLine(std::uint32_t message);     // "notify 0x46B"
std::string UndeliveredLine(std::uint32_t message); // "undelivered 0x46B"
std::string ProblemLine(int line, const std::string& text);

class LogFile {
 public:
  explicit LogFile(std::string path = {}) : path_(std::move(path)) {}
  // Appends `line` plus CR LF; does nothing without a path. False when the
  // file could not be written.
  bool Append(const std::string& line) const;
  bool enabled() const { return !path_.empty(); }

 private:
  std::string path_;
};

} // namespace linkkeeper
