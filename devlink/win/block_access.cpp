#include "devlink/win/block_access.h"

#include <cstring>

#include "devlink/owned_fields.h"

namespace devlink::dll {

namespace {

void replaceHandle(HANDLE& held, HANDLE fresh) {
  if (held != nullptr && held != fresh) CloseHandle(held);
  held = fresh;
}

// Runs `copy` on a writable view of the block while holding the mutex.
template <class Copy>
bool withBlock(const LinkObjects& objects, Copy copy) {
  if (objects.mutex == nullptr || objects.mapping == nullptr) return false;
  const DWORD wait = WaitForSingleObject(objects.mutex, INFINITE);
  // An abandoned mutex (the handler died holding it) still grants ownership.
  if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return false;
  void* view = MapViewOfFile(objects.mapping, FILE_MAP_WRITE, 0, 0, kBlockSize);
  if (view != nullptr) {
    copy(view);
    UnmapViewOfFile(view);
  }
  ReleaseMutex(objects.mutex);
  return view != nullptr;
}

} // namespace

bool openLinkObjects(LinkObjects& objects) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, kInitialEventName);
  if (event == nullptr) return false;
  ResetEvent(event);
  replaceHandle(objects.initialEvent, event);

  HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
  if (mutex == nullptr) return false;
  replaceHandle(objects.mutex, mutex);

  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      kBlockSize, kBlockName);
  if (mapping == nullptr) return false;
  if (GetLastError() != ERROR_ALREADY_EXISTS) {
    // New block: zero it under the mutex, so a handler that opens it at the
    // same moment cannot have its first write wiped afterwards.
    const LinkObjects fresh{objects.initialEvent, objects.mutex, mapping};
    if (!withBlock(fresh, [](void* view) { std::memset(view, 0, kBlockSize); })) {
      CloseHandle(mapping);
      return false;
    }
  }
  replaceHandle(objects.mapping, mapping);
  return true;
}

void closeLinkObjects(LinkObjects& objects) {
  replaceHandle(objects.mapping, nullptr);
  replaceHandle(objects.mutex, nullptr);
  replaceHandle(objects.initialEvent, nullptr);
}

bool readBlock(const LinkObjects& objects, CommonBlock& image) {
  return withBlock(objects, [&](void* view) { std::memcpy(&image, view, kBlockSize); });
}

bool writeBlock(const LinkObjects& objects, const CommonBlock& image) {
  return withBlock(objects, [&](void* view) { writeOwnedFields(&image, view); });
}

} // namespace devlink::dll
