// The meter simulator's window: the top-level window that meterlink.dll
// finds by its title and sends its commands to. It runs the simulated
// device (a DeviceRun), writes readings and error reports into the shared
// block and notifies the main window, and shows what it is doing.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "tools/linkkeeper/device_run.h"
#include "tools/linkkeeper/log_lines.h"
#include "tools/linkkeeper/win/notifier.h"
#include "tools/linkkeeper/scenario.h"
#include "tools/linkkeeper/win/shared_objects.h"
#include "winkit/window.h"

namespace linkkeeper {

class SimWindow : public winkit::Window {
 public:
  // All references must outlive the window.
  SimWindow(const Scenario& scenario, SharedObjects& shared, const LogFile& log,
            std::wstring origin);
  SimWindow(const SimWindow&) = delete;
  SimWindow& operator=(const SimWindow&) = delete;

  // Creates and shows the window and publishes its handle at block offset
  // 4; nullptr on failure.
  HWND Create(HINSTANCE instance, int showCommand);

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  void OnCreate();
  void OnNull();
  void OnClose();
  void OnUsbMsgInit();
  void OnUsbMsgDeviceEnd();
  void OnUsbMsgEnd();
  void OnReadingTimer();
  void OnNextQueued();

  void StopDevice();
  void EndProgram();
  void Deliver(const Notice& notice);
  void ShowStatus();

  const Scenario& scenario_;
  SharedObjects& shared_;
  const LogFile& log_;
  Notifier notifier_;
  std::wstring origin_;
  HWND statusText_ = nullptr;
  HFONT font_ = nullptr;
  HWND mainWindow_ = nullptr;
  std::unique_ptr<DeviceRun> run_;
  std::wstring lastEvent_ = L"waiting for USBMsgInit";
  bool ending_ = false;
};

} // namespace linkkeeper
