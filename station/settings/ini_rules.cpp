// Value rules of ORVA.ini: how a value comes out of the platform's buffer and
// how the limit unit is stored.
#include "station/settings/ini_rules.h"

#include "station/allowance.h"


namespace orva {

std::string TrimAtNul(std::string_view text) {
  const std::size_t nul = text.find('\0');
  return std::string(nul == std::string_view::npos ? text : text.substr(0, nul));
}

std::string TrimTrailingSpaces(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1));
}

std::string IniValueFromBuffer(const char* buffer, std::size_t bufferSize, long count) {
  if (count <= 0 || buffer == nullptr) return {};
  return TrimTrailingSpaces(TrimAtNul(std::string_view(buffer, bufferSize)));
}

short LimitModeFromIni(std::string_view value) { return value == "N" ? 0 : 1; }

const char* LimitModeToIni(short mode) { return LimitUnitText(mode); }

} // namespace orva
