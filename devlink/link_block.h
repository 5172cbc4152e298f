// The shared block "USB_CommonMemory" between meterlink.dll and the handler
// program, the records that cross the library's interface, the named kernel
// objects and the window-message numbers. meterlink.dll, ORVA.exe and the
// meter simulator all include this header; nothing here needs windows.h.
//
// Handles are stored as 32-bit values: the programs are 32-bit and the block
// layout must not depend on the compiler's pointer size.
#pragma once

#include <cstddef>
#include <cstdint>

namespace devlink {

// ---- named kernel objects and the handler's window title ------------------
inline constexpr const char kBlockName[] = "USB_CommonMemory";
inline constexpr const char kMutexName[] = "USB_Mutex";
inline constexpr const char kInitialEventName[] = "USB_Initial";
inline constexpr const char kHandlerWindowTitle[] = "WindowNameUsb";
// Resolved against the caller's current directory; the working directory is
// the same path without its last element.
inline constexpr const char kHandlerCommandLine[] = "..\\EXE\\LinkKeeper.exe";
inline constexpr const char kCompanionFile[] = "wirecore.dll";

inline constexpr std::uint32_t kBlockSize = 4096;

// ---- messages to the handler's window (always wParam 0, lParam 0) ----------
inline constexpr std::uint32_t kMsgNull = 0x0000;            // WM_NULL: liveness probe
inline constexpr std::uint32_t kMsgClose = 0x0010;           // WM_CLOSE
inline constexpr std::uint32_t kMsgUSBMsgInit = 0x04C9;      // start the device
inline constexpr std::uint32_t kMsgUSBMsgEnd = 0x04CA;       // end the handler program
inline constexpr std::uint32_t kMsgUSBMsgDeviceEnd = 0x04CB; // stop the device

// ---- notifications to the measurement program's main window ----------------
inline constexpr std::uint32_t kNotifyHandlerRunning = 0x0465; // from the library
inline constexpr std::uint32_t kNotifyDeviceStarted = 0x0466;
inline constexpr std::uint32_t kNotifyDeviceStartError = 0x0467;
inline constexpr std::uint32_t kNotifyHandlerEnded = 0x0468;
inline constexpr std::uint32_t kNotifyDeviceStopped = 0x0469;
inline constexpr std::uint32_t kNotifyErrorReport = 0x046A;
inline constexpr std::uint32_t kNotifyReading = 0x046B;

// Send timeout of every command message (SMTO_ABORTIFHUNG).
inline constexpr std::uint32_t kSendTimeoutMs = 5000;

#pragma pack(push, 1)

// Start parameters: caller to library, by reference.
struct LinkParams {
  std::uint32_t mainWindow;   // handle of the measurement program's main window
  std::uint32_t languageFlag; // 1 for English, else 0
  std::uint32_t param3;       // always 129
  std::uint32_t param4;       // always 2000000000
};

inline constexpr std::uint32_t kParam3 = 129;
inline constexpr std::uint32_t kParam4 = 2000000000;

inline constexpr std::size_t kErrorTextSize = 128;
inline constexpr std::size_t kVersionTextSize = 16;

// Status record: block offset 12, copied out to the caller.
struct LinkStatus {
  std::int32_t alarmNo;
  std::int32_t subCode;
  char errorText1[kErrorTextSize];
  char errorText2[kErrorTextSize];
  char versionText[kVersionTextSize]; // written by the library at each USBStart
};

inline constexpr std::size_t kEntrySize = 65;
inline constexpr std::size_t kTensionOffset = 0;  // five characters, judged in N
inline constexpr std::size_t kFrequencyOffset = 5; // five characters, judged in Hz
inline constexpr std::size_t kReadingTextLength = 5;

// Received data: block offset 308, written by the handler.
struct LinkReceive {
  std::uint32_t header1;
  std::uint32_t header2;
  unsigned char entry0[kEntrySize]; // the reading
  unsigned char moreEntries[447];  // further 65-byte entries, not read
};

// Layout of "USB_CommonMemory".
struct CommonBlock {
  std::uint32_t mainWindow;    // library, from LinkParams word 0
  std::uint32_t handlerWindow; // handler: its own window
  std::uint32_t languageFlag;  // library, from LinkParams word 1
  LinkStatus status;           // handler; the library writes only versionText
  LinkParams paramCopy;        // library
  LinkReceive receive;         // handler
  unsigned char unused[kBlockSize - 828];
};

#pragma pack(pop)

static_assert(sizeof(LinkParams) == 16);
static_assert(sizeof(LinkStatus) == 280);
static_assert(offsetof(LinkStatus, alarmNo) == 0);
static_assert(offsetof(LinkStatus, subCode) == 4);
static_assert(offsetof(LinkStatus, errorText1) == 8);
static_assert(offsetof(LinkStatus, errorText2) == 136);
static_assert(offsetof(LinkStatus, versionText) == 264);
static_assert(sizeof(LinkReceive) == 520);
static_assert(offsetof(LinkReceive, entry0) == 8);
static_assert(offsetof(LinkReceive, moreEntries) == 73);
static_assert(sizeof(CommonBlock) == kBlockSize);
static_assert(offsetof(CommonBlock, mainWindow) == 0);
static_assert(offsetof(CommonBlock, handlerWindow) == 4);
static_assert(offsetof(CommonBlock, languageFlag) == 8);
static_assert(offsetof(CommonBlock, status) == 12);
static_assert(offsetof(CommonBlock, paramCopy) == 292);
static_assert(offsetof(CommonBlock, receive) == 308);
static_assert(offsetof(CommonBlock, unused) == 828);

// Byte ranges of the fields that the library owns in the block. A write-back
// of the library's image copies only these, so nothing the handler wrote in
// the meantime is undone.
struct BlockRange {
  std::size_t offset;
  std::size_t size;
};
inline constexpr BlockRange kLibraryOwnedRanges[] = {
    {offsetof(CommonBlock, mainWindow), 4},
    {offsetof(CommonBlock, languageFlag), 4},
    {offsetof(CommonBlock, status) + offsetof(LinkStatus, versionText), kVersionTextSize},
    {offsetof(CommonBlock, paramCopy), sizeof(LinkParams)},
};

} // namespace devlink
