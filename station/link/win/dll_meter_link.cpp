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

// The function bound at its first call; kFailed while it cannot be.
template <typename Fn, typename... Args>
std::int32_t DllMeterLink::Call(FARPROC& slot, const char* name, Args... args) {
  const auto fn = As<Fn>(Bind(slot, name));
  return fn ? fn(args...) : kFailed;
}

std::int32_t DllMeterLink::USBStart(const devlink::LinkParams& params, devlink::LinkStatus& status) {
  return Call<devlink::USBStartFn>(usbStart_, "USBStart", &params, &status);
}

std::int32_t DllMeterLink::USBStop() { return Call<devlink::USBStopFn>(usbStop_, "USBStop"); }

std::int32_t DllMeterLink::DeviceStart(const devlink::LinkParams& params, devlink::LinkStatus& status) {
  return Call<devlink::DeviceStartFn>(deviceStart_, "DeviceStart", &params, &status);
}

std::int32_t DllMeterLink::DeviceStop() { return Call<devlink::DeviceStopFn>(deviceStop_, "DeviceStop"); }

// The second argument is passed as the library declares it, a 32-bit word.
std::int32_t DllMeterLink::USBReceiveRead(devlink::LinkReceive& receive, devlink::LinkStatus& status) {
  return Call<devlink::USBReceiveReadFn>(receiveRead_, "USBReceiveRead", &receive,
                                         static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&status)));
}

std::int32_t DllMeterLink::DeviceErrorRead(devlink::LinkStatus& status, char* text1, char* text2) {
  return Call<devlink::DeviceErrorReadFn>(errorRead_, "DeviceErrorRead", &status, text1, text2);
}

} // namespace orva
