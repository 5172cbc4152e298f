// Value rules of the settings file ORVA.ini, apart from the file access.
#pragma once

#include <string>
#include <string_view>

namespace orva {

// Sections and keys.
inline constexpr const char kSecLimit[] = "Limit";
inline constexpr const char kKeyHigh[] = "High";
inline constexpr const char kKeyLow[] = "Low";
inline constexpr const char kKeyLimitMode[] = "LimitMode";
inline constexpr const char kSecPrint[] = "Print";
inline constexpr const char kKeyTitle[] = "Title";
inline constexpr const char kSecSaveType[] = "SaveType";
inline constexpr const char kKeyNeglectHighLow[] = "NeglectHighLow";
inline constexpr const char kSecDiagnose[] = "Diagnose";
inline constexpr const char kKeyMode[] = "Mode";

inline constexpr int kIniBufferSize = 255; // up to 254 characters and the NUL

// Cut before the first NUL; a text without NUL stays whole.
std::string TrimAtNul(std::string_view text);
// Remove trailing spaces (spaces only, not tabs or other white space).
std::string TrimTrailingSpaces(std::string_view text);
// The value from a filled 255-character buffer and the platform's returned
// count: empty when count <= 0, else TrimAtNul then TrimTrailingSpaces.
std::string IniValueFromBuffer(const char* buffer, std::size_t bufferSize, long count);

// 0 (N) only for exactly "N"; 1 (Hz) for anything else, empty included.
short LimitModeFromIni(std::string_view value);
// The unit's text (LimitUnitText).
const char* LimitModeToIni(short mode);

} // namespace orva
