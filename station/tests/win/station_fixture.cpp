#include "station/tests/win/station_fixture.h"

#include <commctrl.h>
#include <cstring>
#include <fstream>
#include <sstream>

namespace orva::test {
namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

int RecordBox(HWND, const std::wstring& text, const std::wstring& title, UINT type) {
  RecordedBoxes().push_back({text, title, type});
  return IDOK;
}

void CopyText(char* buffer, const std::string& text) {
  std::memset(buffer, 0, devlink::kErrorTextSize);
  std::memcpy(buffer, text.data(), std::min(text.size(), devlink::kErrorTextSize - 1));
}

std::string MakeFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  static int serial = 0;
  std::string folder = std::string(temp) + "orva-win-test-" + std::to_string(GetCurrentProcessId()) +
                       "-" + std::to_string(++serial);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

} // namespace

std::vector<RecordedBox>& RecordedBoxes() {
  static std::vector<RecordedBox> boxes;
  return boxes;
}

std::int32_t FakeLink::Record(const char* name) {
  calls.emplace_back(name);
  callTimes.push_back(Now());
  return 0;
}

size_t FakeLink::Count(const std::string& name) const {
  size_t n = 0;
  for (const auto& call : calls) n += call == name;
  return n;
}

std::int32_t FakeLink::USBStart(const devlink::LinkParams& params, devlink::LinkStatus&) {
  Record("USBStart");
  lastParams = params;
  if (announceOnStart)
    SendMessageW(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(params.mainWindow)),
                 devlink::kNotifyHandlerRunning, 0, 0);
  return 0;
}

std::int32_t FakeLink::DeviceStart(const devlink::LinkParams& params, devlink::LinkStatus&) {
  Record("DeviceStart");
  lastParams = params;
  return 0;
}

std::int32_t FakeLink::USBReceiveRead(devlink::LinkReceive& receive, devlink::LinkStatus&) {
  Record("USBReceiveRead");
  receive = nextReceive;
  return 0;
}

std::int32_t FakeLink::DeviceErrorRead(devlink::LinkStatus& status, char* text1, char* text2) {
  Record("DeviceErrorRead");
  status.alarmNo = alarmNo;
  status.subCode = subCode;
  CopyText(text1, errorText1);
  CopyText(text2, errorText2);
  return 0;
}

void StationTest::SetUp() {
  static const bool controlsReady = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  ASSERT_TRUE(controlsReady);
  RecordedBoxes().clear();
  previousBox_ = winkit::SetMessageBoxFn(RecordBox);
  folder_ = MakeFolder();
  ASSERT_EQ(Start(), MainWindow::LoadResult::Loaded);
}

void StationTest::TearDown() {
  EndWindow();
  Pump();
  winkit::SetMessageBoxFn(previousBox_);
  testsupport::RemoveTree(folder_);
}

void StationTest::EndWindow() {
  if (window_ && window_->Handle()) window_->Unload();
  window_.reset();
}

void StationTest::RestartWithIni(const std::string& iniText) {
  EndWindow();
  DeleteFileA(PathOf("ORVA.ini").c_str());
  if (!iniText.empty()) std::ofstream(PathOf("ORVA.ini"), std::ios::binary) << iniText;
  ASSERT_EQ(Start(), MainWindow::LoadResult::Loaded);
}

MainWindow::LoadResult StationTest::Start() {
  lib_ = OrvaLib{};
  link_.calls.clear();
  link_.callTimes.clear();
  window_ = std::make_unique<MainWindow>(lib_, StationConfig{&link_, folder_, false, "ORVA"});
  if (!window_->Create()) return MainWindow::LoadResult::Unloaded;
  const auto result = window_->Load();
  if (result == MainWindow::LoadResult::Loaded) ShowWindow(Main(), SW_SHOWNOACTIVATE);
  return result;
}

std::wstring StationTest::Text(MainControl c) const {
  wchar_t buffer[2048] = {};
  GetWindowTextW(Ctl(c), buffer, 2048);
  return buffer;
}

void StationTest::Reading(const char* tension, const char* frequency) {
  link_.nextReceive = devlink::LinkReceive{};
  std::memcpy(link_.nextReceive.entry0 + devlink::kTensionOffset, tension, devlink::kReadingTextLength);
  std::memcpy(link_.nextReceive.entry0 + devlink::kFrequencyOffset, frequency, devlink::kReadingTextLength);
  Notify(devlink::kNotifyReading);
}

void StationTest::StartRun(const wchar_t* high, const wchar_t* low) {
  SetText(MainControl::txtLimitHigh, high);
  SetText(MainControl::txtLimitLow, low);
  Click(MainControl::cmdStart);
  Notify(devlink::kNotifyDeviceStarted);
}

void StationTest::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::string StationTest::ReadFileBytes(const char* name) const {
  std::ifstream in(PathOf(name), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> StationTest::RunLogLines() const {
  std::vector<std::string> lines;
  const std::string text = ReadFileBytes("temp.txt");
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start) + "<no CR LF>");
  return lines;
}

} // namespace orva::test
