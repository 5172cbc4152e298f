// Block access under "USB_Mutex".
#include "tools/linkkeeper/win/shared_objects.h"

#include <cstring>

namespace linkkeeper {

SharedObjects::~SharedObjects() {
  if (block_ != nullptr) UnmapViewOfFile(block_);
  for (HANDLE h : {mapping_, mutex_, initial_}) {
    if (h != nullptr) CloseHandle(h);
  }
}

bool SharedObjects::Open() {
  // Manual reset, not signalled; the library resets it at each start and
  // nobody waits on it, so the simulator only keeps it alive.
  initial_ = CreateEventA(nullptr, TRUE, FALSE, devlink::kInitialEventName);
  mutex_ = CreateMutexA(nullptr, FALSE, devlink::kMutexName);
  // A new paging-file mapping is zero-filled by the system.
  mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                devlink::kBlockSize, devlink::kBlockName);
  if (initial_ == nullptr) error_ = "cannot open USB_Initial";
  else if (mutex_ == nullptr) error_ = "cannot open USB_Mutex";
  else if (mapping_ == nullptr) error_ = "cannot open USB_CommonMemory";
  if (!error_.empty()) return false;
  block_ = static_cast<devlink::CommonBlock*>(
      MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, devlink::kBlockSize));
  if (block_ == nullptr) error_ = "cannot map USB_CommonMemory";
  return block_ != nullptr;
}

template <class F>
void SharedObjects::WithBlock(F access) {
  if (block_ == nullptr) return;
  // An abandoned mutex (the other side died holding it) is ours all the same.
  const DWORD wait = WaitForSingleObject(mutex_, INFINITE);
  if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return;
  access(*block_);
  ReleaseMutex(mutex_);
}

void SharedObjects::PublishWindow(HWND window) {
  const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
  WithBlock([&](devlink::CommonBlock& b) { b.handlerWindow = handle; });
}

StartParams SharedObjects::ReadStartParams() {
  StartParams p;
  WithBlock([&](devlink::CommonBlock& b) {
    p.mainWindow = b.mainWindow;
    p.languageFlag = b.languageFlag;
    p.param3 = b.paramCopy.param3;
    p.param4 = b.paramCopy.param4;
  });
  return p;
}

void SharedObjects::WriteReading(const ReadingText& reading, int sequence) {
  devlink::LinkReceive record{};
  record.header1 = static_cast<std::uint32_t>(sequence);
  record.header2 = 1;
  std::memcpy(record.entry0 + devlink::kTensionOffset, reading.tension.data(), 5);
  std::memcpy(record.entry0 + devlink::kFrequencyOffset, reading.frequency.data(), 5);
  WithBlock([&](devlink::CommonBlock& b) { b.receive = record; });
}

namespace {
void CopyText(char (&field)[devlink::kErrorTextSize], const std::string& text) {
  std::memset(field, 0, sizeof field);
  std::memcpy(field, text.data(), text.size() < sizeof field ? text.size() : sizeof field - 1);
}
} // namespace

void SharedObjects::WriteError(const ErrorReport& error) {
  WithBlock([&](devlink::CommonBlock& b) {
    b.status.alarmNo = error.alarmNo;
    b.status.subCode = error.subCode;
    CopyText(b.status.errorText1, error.text1);
    CopyText(b.status.errorText2, error.text2);
  });
}

} // namespace linkkeeper
