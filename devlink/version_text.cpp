#include "devlink/version_text.h"

#include <cstdio>
#include <cstring>

namespace devlink {

namespace {
void storeText(const char* text, char (&out)[kVersionTextSize]) {
  std::memset(out, 0, sizeof out);
  std::size_t length = std::strlen(text);
  if (length > kVersionTextSize - 1) length = kVersionTextSize - 1;
  std::memcpy(out, text, length);
}
} // namespace

void formatVersionText(std::uint32_t versionMS, std::uint32_t versionLS,
                       char (&out)[kVersionTextSize]) {
  // Widest case is 5 + 1 + 3 + 5 + 1 + 2 = 17 characters; format into room
  // for all of them, then cut to the field.
  char wide[32];
  std::snprintf(wide, sizeof wide, "%.2d.%.1d%.1d-%.1X", static_cast<int>(versionMS >> 16),
                static_cast<int>(versionMS & 0xFF), static_cast<int>(versionLS >> 16),
                static_cast<unsigned>(versionLS & 0xFF));
  storeText(wide, out);
}

void missingVersionText(char (&out)[kVersionTextSize]) { storeText(kMissingVersionText, out); }

} // namespace devlink
