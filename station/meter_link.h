// The device-link library as the station calls it. The real implementation
// binds "METERLINK.DLL" at run time; tests put a recording fake in its place.
#pragma once

#include "devlink/link_block.h"

#include <cstdint>

namespace orva {

class MeterLink {
public:
  virtual ~MeterLink() = default;
  // Whether the library file is there for the start-up and shutdown checks.
  virtual bool LibraryFilePresent() = 0;
  virtual std::int32_t USBStart(const devlink::LinkParams& params, devlink::LinkStatus& status) = 0;
  virtual std::int32_t USBStop() = 0;
  virtual std::int32_t DeviceStart(const devlink::LinkParams& params, devlink::LinkStatus& status) = 0;
  virtual std::int32_t DeviceStop() = 0;
  // The second argument is passed on but ignored by the library.
  virtual std::int32_t USBReceiveRead(devlink::LinkReceive& receive, devlink::LinkStatus& status) = 0;
  // text1 and text2 are buffers of devlink::kErrorTextSize bytes (ANSI).
  virtual std::int32_t DeviceErrorRead(devlink::LinkStatus& status, char* text1, char* text2) = 0;
};

} // namespace orva
