// ORVA.ini through the private-profile functions (ANSI).
#include "station/settings/win/settings_file.h"

#include "station/settings/ini_rules.h"
#include "winkit/files.h"

#include <windows.h>

namespace orva {

std::string ReadIni(const std::string& path, const std::string& section, const std::string& key, int bufferSize) {
  // Filled with spaces, as the value is cut at the platform's NUL and only
  // trailing spaces are trimmed after it.
  std::string buffer(static_cast<std::size_t>(bufferSize), ' ');
  const DWORD count = GetPrivateProfileStringA(section.c_str(), key.c_str(), nullptr, buffer.data(),
                                               static_cast<DWORD>(bufferSize), path.c_str());
  return IniValueFromBuffer(buffer.data(), buffer.size(), static_cast<long>(count));
}

void WriteIni(const std::string& path, const std::string& section, const std::string& key,
              const std::string& value) {
  // A failed write is not reported: the program goes on with its in-memory values.
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

std::string GetIniValue(const std::string& iniPath, const std::string& section,
                        const std::string& key, int bufferSize) {
  // A missing file (or a folder of that name) reads as empty and is left alone.
  if (!winkit::FileExists(iniPath)) return {};
  return ReadIni(iniPath, section, key, bufferSize);
}

void SaveWindowSettings(const std::string& iniPath, const WindowSettings& settings) {
  WriteIni(iniPath, kSecLimit, kKeyLimitMode, LimitModeToIni(settings.limitUnitMode));
  WriteIni(iniPath, kSecLimit, kKeyLow, settings.lowLimit);
  WriteIni(iniPath, kSecLimit, kKeyHigh, settings.highLimit);
  WriteIni(iniPath, kSecPrint, kKeyTitle, settings.printTitle);
}

} // namespace orva
