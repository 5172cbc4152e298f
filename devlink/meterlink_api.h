// The exported interface of meterlink.dll as its callers see it: the eight
// functions (stdcall, exported by plain name, ordinals 1 to 8) and pointer
// types for binding them at run time with GetProcAddress.
#pragma once

#include <cstdint>

#include "devlink/link_block.h"

#if defined(_WIN32)
#define METERLINK_CALL __stdcall
#else
#define METERLINK_CALL
#endif

namespace devlink {

inline constexpr char kLibraryName[] = "meterlink.dll";

// Handles and pointers cross the interface as 32-bit values; a window handle
// is passed as its 32-bit value.
using USBStartFn = std::int32_t(METERLINK_CALL*)(const LinkParams* params, LinkStatus* status);
using USBStopFn = std::int32_t(METERLINK_CALL*)();
using USBStatusReadFn = std::int32_t(METERLINK_CALL*)(LinkStatus* status);
using USBReceiveReadFn = std::int32_t(METERLINK_CALL*)(LinkReceive* receive, std::uint32_t ignored);
using DeviceStartFn = std::int32_t(METERLINK_CALL*)(const LinkParams* params, LinkStatus* status);
using DeviceStopFn = std::int32_t(METERLINK_CALL*)();
using DeviceErrorReadFn = std::int32_t(METERLINK_CALL*)(LinkStatus* status, char* text1,
                                                        char* text2);
using ExeActiveFn = std::int32_t(METERLINK_CALL*)(std::uint32_t window);

} // namespace devlink
