// Write-back of the library's block image: only the fields the library owns
// (kLibraryOwnedRanges) are copied into the shared block, so whatever the
// handler wrote there since the library's last read survives the write.
// Portable: works on raw 4096-byte buffers, no windows.h.
#pragma once

namespace devlink {

// Copies the library-owned byte ranges of `image` into `block`. Both point
// to kBlockSize bytes; every other byte of `block` is left as it is.
void writeOwnedFields(const void* image, void* block);

} // namespace devlink
