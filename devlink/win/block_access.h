// The library's hold on the named objects and its copies between the shared
// block "USB_CommonMemory" and its private 4096-byte image, each taken under
// "USB_Mutex" and never across a window message.
#pragma once

#include <windows.h>

#include "devlink/link_block.h"

namespace devlink::dll {

// Kernel handles of the link; all null until the first USBStart.
struct LinkObjects {
  HANDLE initialEvent = nullptr;
  HANDLE mutex = nullptr;
  HANDLE mapping = nullptr;
};

// Creates or opens "USB_Initial" (and resets it), "USB_Mutex" and
// "USB_CommonMemory", in that order. A block that did not exist yet is
// filled with zeros; an existing one keeps its contents. Each handle that
// comes back replaces the one held before (which is closed: it names the
// same object). False at the first object that cannot be had.
bool openLinkObjects(LinkObjects& objects);

// Closes every handle held and nulls it.
void closeLinkObjects(LinkObjects& objects);

// Copies the whole shared block into `image`. False (image unchanged) when
// the objects are not open or the block cannot be mapped.
bool readBlock(const LinkObjects& objects, CommonBlock& image);

// Writes the library's own fields of `image` back into the shared block;
// the handler's fields and the unused tail keep what is in the block now.
// False when the objects are not open or the block cannot be mapped.
bool writeBlock(const LinkObjects& objects, const CommonBlock& image);

} // namespace devlink::dll
