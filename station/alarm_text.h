// The alarm screen's text for one error report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orva {

// Error texts as the library hands them over: cut before the first NUL of
// the 128-byte buffer, then stripped of trailing blanks.
std::string CleanErrorText(const char* buffer, std::size_t size);

// label "Alarm No." + Str form + CRLF CRLF, "Sub Code:" + Str form + CRLF CRLF,
// text1 + CRLF (also when empty), text2 + CRLF only when not empty.
// Texts are UTF-8; the labels follow curLanguage.
std::string AlarmText(std::string_view curLanguage, std::int32_t alarmNo, std::int32_t subCode,
                      std::string_view text1, std::string_view text2);

} // namespace orva
