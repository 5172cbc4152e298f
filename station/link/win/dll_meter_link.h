// MeterLink over the real meterlink.dll, bound by name at run time: the
// library is loaded at the first call into it and each function is looked up
// at its own first call, so the program runs (and can say so) without it.
#pragma once

#include "station/meter_link.h"
#include "devlink/meterlink_api.h"

#include <string>
#include <windows.h>

namespace orva {

class DllMeterLink final : public MeterLink {
public:
  // programFolder: ANSI folder of ORVA.exe, also accepted for the file check.
  explicit DllMeterLink(std::string programFolder);
  ~DllMeterLink() override; // the library stays loaded until the process ends

  bool LibraryFilePresent() override;
  std::int32_t USBStart(const devlink::LinkParams& params, devlink::LinkStatus& status) override;
  std::int32_t USBStop() override;
  std::int32_t DeviceStart(const devlink::LinkParams& params, devlink::LinkStatus& status) override;
  std::int32_t DeviceStop() override;
  std::int32_t USBReceiveRead(devlink::LinkReceive& receive, devlink::LinkStatus& status) override;
  std::int32_t DeviceErrorRead(devlink::LinkStatus& status, char* text1, char* text2) override;

private:
  FARPROC Bind(FARPROC& slot, const char* name);

  std::string programFolder_;
  HMODULE module_ = nullptr;
  bool loadTried_ = false;
  FARPROC usbStart_ = nullptr, usbStop_ = nullptr, deviceStart_ = nullptr, deviceStop_ = nullptr,
          receiveRead_ = nullptr, errorRead_ = nullptr;
};

} // namespace orva
