#include "devlink/win/handler_control.h"

#include <shlwapi.h>

#include <cstring>

#include "devlink/link_block.h"
#include "winkit/process_window.h"

namespace devlink::dll {

namespace {

// Full access as the handler's process is opened; the only right used is
// the one to terminate it.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;
constexpr DWORD kProcessWaitMs = 5000;
constexpr DWORD kInputIdleWaitMs = 5000;

void closeIfOpen(HANDLE handle) {
  if (handle != nullptr) CloseHandle(handle);
}

} // namespace

void clearHandler(HandlerInfo& handler) {
  closeIfOpen(handler.thread);
  closeIfOpen(handler.process);
  handler = HandlerInfo{};
}

bool sendToWindow(HWND window, UINT message) {
  if (!IsWindow(window)) return false;
  DWORD_PTR reply = 0;
  return SendMessageTimeoutA(window, message, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &reply) != 0;
}

bool sendToHandler(const HandlerInfo& handler, UINT message) {
  return sendToWindow(handler.window, message);
}

bool ensureHandler(HandlerInfo& handler, HWND handlerWindow) {
  clearHandler(handler);

  DWORD processId = 0;
  if (handlerWindow != nullptr && GetWindowThreadProcessId(handlerWindow, &processId) != 0) {
    HANDLE process = OpenProcess(kProcessAllAccess, FALSE, processId);
    if (process != nullptr) {
      handler.window = handlerWindow;
      handler.process = process;
      handler.processId = processId;
    }
  }
  if (handler.process == nullptr) return launchHandler(handler);

  if (sendToHandler(handler, kMsgNull)) return true;
  // A handler that does not answer is replaced; the link counts as started
  // even when neither the stop nor the relaunch works.
  if (stopHandler(handler)) launchHandler(handler);
  return true;
}

bool stopHandler(const HandlerInfo& handler) {
  sendToHandler(handler, kMsgClose);
  if (WaitForSingleObject(handler.process, kProcessWaitMs) != WAIT_TIMEOUT) return true;
  TerminateProcess(handler.process, 0);
  return WaitForSingleObject(handler.process, kProcessWaitMs) != WAIT_TIMEOUT;
}

bool launchHandler(HandlerInfo& handler) {
  clearHandler(handler);

  // CreateProcessA may write into its command line, so both texts are copies.
  char commandLine[MAX_PATH];
  char folder[MAX_PATH];
  std::strcpy(commandLine, kHandlerCommandLine);
  std::strcpy(folder, kHandlerCommandLine);
  PathRemoveFileSpecA(folder);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                     &started) != 1) {
    return false;
  }

  HWND ownWindow = nullptr;
  if (WaitForInputIdle(started.hProcess, kInputIdleWaitMs) == 0) {
    ownWindow = winkit::FindTopLevelWindowOfProcess(started.dwProcessId);
  }
  if (ownWindow == nullptr) {
    // Not idle in time or no window of its own: fail, leave it running.
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return false;
  }

  // The enumerated window only shows that the process has one; commands go
  // to the window found by its title.
  handler.window = FindWindowA(nullptr, kHandlerWindowTitle);
  handler.process = started.hProcess;
  handler.thread = started.hThread;
  handler.processId = started.dwProcessId;
  return true;
}

} // namespace devlink::dll
