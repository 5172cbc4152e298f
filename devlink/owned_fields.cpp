#include "devlink/owned_fields.h"

#include <cstring>

#include "devlink/link_block.h"

namespace devlink {

void writeOwnedFields(const void* image, void* block) {
  const auto* from = static_cast<const unsigned char*>(image);
  auto* to = static_cast<unsigned char*>(block);
  for (const BlockRange& r : kLibraryOwnedRanges) {
    std::memcpy(to + r.offset, from + r.offset, r.size);
  }
}

} // namespace devlink
