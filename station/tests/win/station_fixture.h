// In-process test bench for the main window: the real ORVA_diag window in
// the test process, a recording fake of the device link, recorded message
// boxes and a throw-away program folder for ORVA.ini and temp.txt.
#pragma once

#include "station/win/main_window.h"
#include "tools/testsupport/test_files.h"
#include "winkit/message_box.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace orva::test {

using testsupport::RunLogBlocker;

// The link as the station sees it; every call is recorded by name.
class FakeLink : public MeterLink {
public:
  bool present = true;           // LibraryFilePresent
  bool announceOnStart = true;   // USBStart sends 0x465 to the main window, as the library does
  devlink::LinkReceive nextReceive{};
  std::int32_t alarmNo = 0, subCode = 0;
  std::string errorText1, errorText2; // ANSI, copied into the 128-byte buffers
  devlink::LinkParams lastParams{};
  std::vector<std::string> calls;
  std::vector<double> callTimes; // seconds on the performance counter, per call

  bool LibraryFilePresent() override { return present; }
  std::int32_t USBStart(const devlink::LinkParams& params, devlink::LinkStatus& status) override;
  std::int32_t USBStop() override { return Record("USBStop"); }
  std::int32_t DeviceStart(const devlink::LinkParams& params, devlink::LinkStatus& status) override;
  std::int32_t DeviceStop() override { return Record("DeviceStop"); }
  std::int32_t USBReceiveRead(devlink::LinkReceive& receive, devlink::LinkStatus& status) override;
  std::int32_t DeviceErrorRead(devlink::LinkStatus& status, char* text1, char* text2) override;

  size_t Count(const std::string& name) const;

private:
  std::int32_t Record(const char* name);
};

struct RecordedBox {
  std::wstring text, title;
  UINT type;
};
// Boxes shown through the seam since the bench was set up.
std::vector<RecordedBox>& RecordedBoxes();

// Settings: limits judged in N, every reading kept in the run log.
inline constexpr char kNewtonsKeepAll[] = "[Limit]\r\nLimitMode=N\r\n[SaveType]\r\nNeglectHighLow=false\r\n";

class StationTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the window and runs its start-up. SetUp starts one with no
  // settings file.
  MainWindow::LoadResult Start();
  // Ends the running window, puts the given ORVA.ini in place (none when
  // empty) and starts again.
  void RestartWithIni(const std::string& iniText);
  void EndWindow();

  HWND Main() const { return window_->Handle(); }
  const RunState& Run() const { return window_->Flow().State(); }
  HWND Ctl(MainControl c) const { return window_->Control(c); }
  std::wstring Text(MainControl c) const;
  void SetText(MainControl c, const std::wstring& text) const { SetWindowTextW(Ctl(c), text.c_str()); }
  bool Enabled(MainControl c) const { return IsWindowEnabled(Ctl(c)) != FALSE; }
  bool Visible(MainControl c) const { return (GetWindowLongW(Ctl(c), GWL_STYLE) & WS_VISIBLE) != 0; }
  void Click(MainControl c) const { SendMessageW(Ctl(c), BM_CLICK, 0, 0); }
  bool Checked(MainControl c) const { return SendMessageW(Ctl(c), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  // Link messages as the device side sends them.
  LRESULT Notify(UINT message) const { return SendMessageW(Main(), message, 0, 0); }
  // One reading: five-character tension and frequency texts.
  void Reading(const char* tension, const char* frequency);
  // Limits and an accepted START click answered with 0x466.
  void StartRun(const wchar_t* high, const wchar_t* low);
  // Handles what is posted to this thread (the run-log notice, say).
  void Pump();

  std::string PathOf(const char* name) const { return folder_ + "\\" + name; }
  std::string ReadFileBytes(const char* name) const;
  std::vector<std::string> RunLogLines() const;

  std::string folder_;
  FakeLink link_;
  OrvaLib lib_;
  std::unique_ptr<MainWindow> window_;
  winkit::MessageBoxFn previousBox_ = nullptr;
};

} // namespace orva::test
