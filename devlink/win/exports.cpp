// The eight exports of meterlink.dll and its load/unload entry. They run on
// the caller's thread, one call at a time, on the module state below; every
// result is 0 for success and -1 for failure unless stated otherwise.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "devlink/win/block_access.h"
#include "devlink/error_text.h"
#include "devlink/win/handler_control.h"
#include "devlink/link_block.h"
#include "devlink/win/version_resource.h"

using namespace devlink;
using namespace devlink::dll;

namespace {

struct ModuleState {
  LinkObjects objects;
  HandlerInfo handler;
  CommonBlock image{};
};
ModuleState state;

constexpr std::int32_t kOk = 0;
constexpr std::int32_t kFailed = -1;

HWND toWindow(std::uint32_t value) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
}

// The start parameters go to three places in the image.
void copyParamsIntoImage(const LinkParams& params) {
  state.image.mainWindow = params.mainWindow;
  state.image.languageFlag = params.languageFlag;
  state.image.paramCopy = params;
}

} // namespace

extern "C" {

std::int32_t __stdcall USBStart(const LinkParams* params, LinkStatus* status) {
  if (params == nullptr || status == nullptr) return kFailed;
  std::memset(status, 0, sizeof *status);
  if (!openLinkObjects(state.objects)) return kFailed;
  if (!readBlock(state.objects, state.image)) return kFailed;
  readCompanionVersionText(state.image.status.versionText);
  copyParamsIntoImage(*params);
  std::memcpy(status, &state.image.status, sizeof *status);
  if (!writeBlock(state.objects, state.image)) return kFailed;
  if (!ensureHandler(state.handler, toWindow(state.image.handlerWindow))) return kFailed;
  // The main window belongs to the caller's thread: it handles this inside the call.
  sendToWindow(toWindow(state.image.paramCopy.mainWindow), kNotifyHandlerRunning);
  return kOk;
}

std::int32_t __stdcall USBStop() {
  if (sendToHandler(state.handler, kMsgUSBMsgEnd)) return kOk;
  if (IsWindow(state.handler.window)) {
    return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(state.handler.window));
  }
  return kOk;
}

std::int32_t __stdcall USBStatusRead(LinkStatus* status) {
  if (status == nullptr || !readBlock(state.objects, state.image)) return kFailed;
  std::memcpy(status, &state.image.status, sizeof *status);
  return kOk;
}

std::int32_t __stdcall USBReceiveRead(LinkReceive* receive, std::uint32_t /*ignored*/) {
  if (receive == nullptr || !readBlock(state.objects, state.image)) return kFailed;
  std::memcpy(receive, &state.image.receive, sizeof *receive);
  return kOk;
}

std::int32_t __stdcall DeviceStart(const LinkParams* params, LinkStatus* status) {
  if (params == nullptr || status == nullptr) return kFailed;
  if (!readBlock(state.objects, state.image)) return kFailed;
  copyParamsIntoImage(*params);
  std::memcpy(status, &state.image.status, sizeof *status);
  if (!writeBlock(state.objects, state.image)) return kFailed;
  return sendToHandler(state.handler, kMsgUSBMsgInit) ? kOk : kFailed;
}

std::int32_t __stdcall DeviceStop() {
  return sendToHandler(state.handler, kMsgUSBMsgDeviceEnd) ? kOk : kFailed;
}

std::int32_t __stdcall DeviceErrorRead(LinkStatus* status, char* text1, char* text2) {
  if (status == nullptr || text1 == nullptr || text2 == nullptr) return kFailed;
  if (!readBlock(state.objects, state.image)) return kFailed;
  copyErrorText(state.image.status.errorText1, text1);
  copyErrorText(state.image.status.errorText2, text2);
  std::memcpy(status, &state.image.status, sizeof *status);
  return kOk;
}

std::int32_t __stdcall ExeActive(std::uint32_t window) {
  return GetWindowThreadProcessId(toWindow(window), nullptr) != 0 ? 1 : 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    OutputDebugStringA("DLL_PROCESS_ATTACH\n");
  } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    // Unloaded by FreeLibrary while the process goes on: give the handles
    // back so the named objects do not outlive their last real user. At
    // process exit the system does this anyway.
    clearHandler(state.handler);
    closeLinkObjects(state.objects);
  }
  return TRUE;
}

} // extern "C"
