// The test program's own view of the shared block, under "USB_Mutex".
#include "tools/testsupport/shared_block_access.h"

#include <cstring>

namespace orva::testsupport {

SharedBlockAccess::~SharedBlockAccess() {
  if (view_ != nullptr) UnmapViewOfFile(view_);
  if (mapping_ != nullptr) CloseHandle(mapping_);
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool SharedBlockAccess::Open() {
  if (view_ != nullptr) return true;
  mutex_ = CreateMutexA(nullptr, FALSE, devlink::kMutexName);
  mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                devlink::kBlockSize, devlink::kBlockName);
  createdNew_ = mapping_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
  if (mutex_ == nullptr || mapping_ == nullptr) return false;
  view_ = static_cast<devlink::CommonBlock*>(
      MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, devlink::kBlockSize));
  return view_ != nullptr;
}

void SharedBlockAccess::Lock() const {
  WaitForSingleObject(mutex_, INFINITE); // WAIT_ABANDONED also grants ownership
}

void SharedBlockAccess::Unlock() const { ReleaseMutex(mutex_); }

devlink::CommonBlock SharedBlockAccess::Read() const {
  devlink::CommonBlock copy{};
  if (view_ == nullptr) return copy;
  Lock();
  std::memcpy(&copy, view_, sizeof copy);
  Unlock();
  return copy;
}

void SharedBlockAccess::Write(const devlink::CommonBlock& block) {
  if (view_ == nullptr) return;
  Lock();
  std::memcpy(view_, &block, sizeof block);
  Unlock();
}

void SharedBlockAccess::SetMainWindow(HWND main, std::uint32_t languageFlag) {
  if (view_ == nullptr) return;
  const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(main));
  Modify([&](devlink::CommonBlock& b) {
    b.mainWindow = handle;
    b.languageFlag = languageFlag;
    b.paramCopy = {handle, languageFlag, devlink::kParam3, devlink::kParam4};
  });
}

HWND SharedBlockAccess::HandlerWindow() const {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(Read().handlerWindow));
}

} // namespace orva::testsupport
