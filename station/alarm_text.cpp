// The alarm screen's text for one error report.
#include "station/alarm_text.h"

#include "station/numeric_text.h"
#include "station/settings/text_table.h"

#include <cstring>

namespace orva {

std::string CleanErrorText(const char* buffer, std::size_t size) {
  if (buffer == nullptr) return {};
  // Never reads past size, also when the library left the buffer unterminated.
  const void* nul = std::memchr(buffer, '\0', size);
  std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - buffer) : size;
  while (length > 0 && buffer[length - 1] == ' ') --length;
  return std::string(buffer, length);
}

std::string AlarmText(std::string_view curLanguage, std::int32_t alarmNo, std::int32_t subCode,
                      std::string_view text1, std::string_view text2) {
  std::string text = PickText(curLanguage, Text::AlarmNo);
  text += StrForm(alarmNo);
  text += "\r\n\r\n";
  text += PickText(curLanguage, Text::SubCode);
  text += StrForm(subCode);
  text += "\r\n\r\n";
  text += text1;
  text += "\r\n";
  if (!text2.empty()) {
    text += text2;
    text += "\r\n";
  }
  return text;
}

} // namespace orva
