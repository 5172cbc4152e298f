// Test support: the test program's own view of "USB_CommonMemory". It creates
// or opens the block and "USB_Mutex" the way the library does and copies the
// whole block under the mutex, so what a test reads is what the library would
// read at that moment.
#pragma once

#include <windows.h>

#include "devlink/link_block.h"

namespace orva::testsupport {

class SharedBlockAccess {
 public:
  SharedBlockAccess() = default;
  ~SharedBlockAccess();
  SharedBlockAccess(const SharedBlockAccess&) = delete;
  SharedBlockAccess& operator=(const SharedBlockAccess&) = delete;

  // Creates or opens the block (4096 bytes, paging file) and the mutex.
  // True on success; createdNew() tells whether the block was new.
  bool Open();
  bool createdNew() const { return createdNew_; }

  // Copy of the whole block, taken under the mutex. Zeros when not open.
  devlink::CommonBlock Read() const;

  // Replaces the whole block under the mutex.
  void Write(const devlink::CommonBlock& block);

  // Reads, lets `change` edit the copy, writes back, all under one hold of
  // the mutex (nothing the simulator writes meanwhile is lost).
  template <class F>
  void Modify(F change) {
    Lock();
    devlink::CommonBlock copy = *view_;
    change(copy);
    *view_ = copy;
    Unlock();
  }

  // Stores a main window the way DeviceStart would: offset 0, languageFlag
  // and paramCopy (129, 2000000000).
  void SetMainWindow(HWND main, std::uint32_t languageFlag = 1);

  // The window handle the handler published at offset 4.
  HWND HandlerWindow() const;

 private:
  void Lock() const;
  void Unlock() const;

  HANDLE mapping_ = nullptr;
  HANDLE mutex_ = nullptr;
  devlink::CommonBlock* view_ = nullptr;
  bool createdNew_ = false;
};

} // namespace orva::testsupport
