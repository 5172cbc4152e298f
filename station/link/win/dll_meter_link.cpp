#include "station/link/win/dll_meter_link.h"

#include "winkit/files.h"

#include <utility>

namespace orva {
namespace {

constexpr char kLibraryFile[] = "METERLINK.DLL";
// A library that cannot be bound answers as a failing call does: the program
// ignores results and learns everything from the messages that do not come.
constexpr std::int32_t kFailed = -1;

template <typename Fn> Fn As(FARPROC proc) { return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc)); }

} // namespace

DllMeterLink::DllMeterLink(std::string programFolder) : programFolder_(std::move(programFolder)) {}

DllMeterLink::~DllMeterLink() = default;

// The name as written, relative to the current folder; the program folder
// is accepted too, since the library search looks there first.
bool DllMeterLink::LibraryFilePresent() {
  if (winkit::FileExists(kLibraryFile)) return true;
  return !programFolder_.empty() && winkit::FileExists(programFolder_ + "\\" + kLibraryFile);
}

FARPROC DllMeterLink::Bind(FARPROC& slot, const char* name) {
  if (slot) return slot;
  if (!loadTried_) {
    loadTried_ = true;
    module_ = LoadLibraryA(kLibraryFile);
  }
  if (module_) slot = GetProcAddress(module_, name);
  return slot;
}

std::int32_t DllMeterLink::USBStart(const devlink::LinkParams& params, devlink::LinkStatus& status) {
  auto fn = As<devlink::USBStartFn>(Bind(usbStart_, "USBStart"));
  return fn ? fn(&params, &status) : kFailed;
}

std::int32_t DllMeterLink::USBStop() {
  auto fn = As<devlink::USBStopFn>(Bind(usbStop_, "USBStop"));
  return fn ? fn() : kFailed;
}

std::int32_t DllMeterLink::DeviceStart(const devlink::LinkParams& params, devlink::LinkStatus& status) {
  auto fn = As<devlink::DeviceStartFn>(Bind(deviceStart_, "DeviceStart"));
  return fn ? fn(&params, &status) : kFailed;
}

std::int32_t DllMeterLink::DeviceStop() {
  auto fn = As<devlink::DeviceStopFn>(Bind(deviceStop_, "DeviceStop"));
  return fn ? fn() : kFailed;
}

std::int32_t DllMeterLink::USBReceiveRead(devlink::LinkReceive& receive, devlink::LinkStatus& status) {
  auto fn = As<devlink::USBReceiveReadFn>(Bind(receiveRead_, "USBReceiveRead"));
  return fn ? fn(&receive, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&status)))
            : kFailed;
}

std::int32_t DllMeterLink::DeviceErrorRead(devlink::LinkStatus& status, char* text1, char* text2) {
  auto fn = As<devlink::DeviceErrorReadFn>(Bind(errorRead_, "DeviceErrorRead"));
  return fn ? fn(&status, text1, text2) : kFailed;
}

} // namespace orva
