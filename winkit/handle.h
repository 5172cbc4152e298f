// UniqueHandle: owns one kernel handle (file, process, thread, mutex,
// mapping, event) and closes it once. Both null and INVALID_HANDLE_VALUE
// count as no handle, so CreateFile's and OpenProcess's failures look alike.
#pragma once

#include <windows.h>

namespace winkit {

class UniqueHandle {
public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  bool Valid() const { return IsValid(handle_); }
  explicit operator bool() const { return Valid(); }
  HANDLE Get() const { return handle_; }

  // Gives the handle up without closing it.
  HANDLE Release() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  // Closes the owned handle (if any) and takes `handle` instead.
  void Reset(HANDLE handle = nullptr) {
    if (handle == handle_) return;
    if (Valid()) CloseHandle(handle_);
    handle_ = handle;
  }

private:
  HANDLE handle_ = nullptr;
};

} // namespace winkit
