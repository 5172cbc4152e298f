// Log line texts and the append-per-line file.
#include "tools/linkkeeper/log_lines.h"

#include <cstdio>
#include <fstream>

namespace linkkeeper {

std::string StartLine(std::uint32_t pid, std::uint32_t window) {
  return "start pid=" + std::to_string(pid) + " window=" + std::to_string(window);
}

std::string InitLine(std::uint32_t mainWindow, std::uint32_t languageFlag, std::uint32_t param3,
                     std::uint32_t param4) {
  return "USBMsgInit main=" + std::to_string(mainWindow) + " lang=" + std::to_string(languageFlag) +
         " p3=" + std::to_string(param3) + " p4=" + std::to_string(param4);
}

namespace {
std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
  return text;
}
} // namespace

std::string NotifyLine(std::uint32_t message) { return "notify " + Hex(message); }
std::string UndeliveredLine(std::uint32_t message) { return "undelivered " + Hex(message); }

std::string ProblemLine(int line, const std::string& text) {
  return "scenario line " + std::to_string(line) + ": " + text;
}

bool LogFile::Append(const std::string& line) const {
  if (path_.empty()) return true;
  std::ofstream out(path_, std::ios::binary | std::ios::app);
  out << line << "\r\n";
  return static_cast<bool>(out);
}

} // namespace linkkeeper
