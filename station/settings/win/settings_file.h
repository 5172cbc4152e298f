// Access to ORVA.ini through the private-profile functions (ANSI). Paths and
// values are ANSI-code-page strings, as the file holds them.
#pragma once

#include "station/settings/ini_rules.h"

#include <string>

namespace orva {

// bufferSize: the platform's buffer, the terminating NUL included; a value
// longer than bufferSize - 1 characters is cut there.
std::string ReadIni(const std::string& path, const std::string& section, const std::string& key,
                    int bufferSize = kIniBufferSize);
void WriteIni(const std::string& path, const std::string& section, const std::string& key,
              const std::string& value);
// ReadIni of iniPath when that file exists; else "" and the file is not touched.
std::string GetIniValue(const std::string& iniPath, const std::string& section,
                        const std::string& key, int bufferSize = kIniBufferSize);

// The main-window settings written at every shutdown.
struct WindowSettings {
  short limitUnitMode = 1;
  std::string lowLimit;   // texts as they stand in their boxes (ANSI)
  std::string highLimit;
  std::string printTitle;
};
// Writes LimitMode, Low, High ([Limit]) and Title ([Print]), in that order.
void SaveWindowSettings(const std::string& iniPath, const WindowSettings& settings);

} // namespace orva
