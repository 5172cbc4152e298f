#include "devlink/error_text.h"

#include <cstring>

#include "devlink/link_block.h"

namespace devlink {

std::size_t copyErrorText(const char* field, char* out) {
  std::size_t length = 0;
  while (length < kErrorTextSize - 1 && field[length] != '\0') ++length;
  std::memcpy(out, field, length);
  out[length] = '\0';
  return length;
}

} // namespace devlink
