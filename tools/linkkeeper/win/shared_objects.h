// The simulator's side of the named objects shared with meterlink.dll:
// "USB_CommonMemory" (kept mapped for the whole run), "USB_Mutex" and
// "USB_Initial". Every access to the block holds the mutex for the copy
// only; nothing here sends a message.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "devlink/link_block.h"
#include "tools/linkkeeper/scenario.h"

namespace linkkeeper {

struct StartParams {
  std::uint32_t mainWindow = 0;
  std::uint32_t languageFlag = 0;
  std::uint32_t param3 = 0;
  std::uint32_t param4 = 0;
};

class SharedObjects {
 public:
  SharedObjects() = default;
  ~SharedObjects();
  SharedObjects(const SharedObjects&) = delete;
  SharedObjects& operator=(const SharedObjects&) = delete;

  // Opens or creates the three objects. False when any is missing; error()
  // then names it.
  bool Open();
  const std::string& error() const { return error_; }

  // Stores the simulator's window handle at offset 4.
  void PublishWindow(HWND window);

  // mainWindow, languageFlag and the last two words of paramCopy.
  StartParams ReadStartParams();

  // The whole `receive` record: header words (reading number, one entry),
  // entry 0 with the two texts, everything else zero.
  void WriteReading(const ReadingText& reading, int sequence);

  // alarmNo, subCode and the two texts, each NUL-padded to 128 bytes.
  void WriteError(const ErrorReport& error);

 private:
  template <class F>
  void WithBlock(F access);

  HANDLE mapping_ = nullptr;
  HANDLE mutex_ = nullptr;
  HANDLE initial_ = nullptr;
  devlink::CommonBlock* block_ = nullptr;
  std::string error_;
};

} // namespace linkkeeper
