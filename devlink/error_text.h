// Copy of one 128-byte error text field of the status record into a
// caller's 128-byte buffer. The handler is meant to NUL-terminate the text
// within the field; when it does not, the copy is cut after 127 characters
// so the caller always gets a terminated text and never more than 128 bytes.
// Portable: no windows.h.
#pragma once

#include <cstddef>

namespace devlink {

// Copies the text in `field` (kErrorTextSize bytes) up to and including its
// NUL into `out`. Writes at most kErrorTextSize bytes and always ends with a
// NUL. Returns the number of characters copied, without the NUL.
std::size_t copyErrorText(const char* field, char* out);

} // namespace devlink
