#include "tools/testsupport/scenario.h"

#include "winkit/selected_object.h"

#include <fstream>
#include <sstream>

namespace orva::testsupport {
namespace {

std::string Variable(const char* name) {
  char value[1024] = {};
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

std::string ControlPath() {
  const std::string path = Variable("WDREG_STANDIN_CONTROL");
  return path.empty() ? std::string("C:\\standin.ctl") : path;
}

// Writes a 24-bit bottom-up BMP of the screen rectangle `r`.
bool WriteBitmap(const std::string& path, const RECT& r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (dib && bits) {
    {
      const winkit::SelectedFor picture(memory, dib);
      ok = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != FALSE;
      GdiFlush();
    }
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageSize);
    ok = ok && out.good();
  }
  if (dib) DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

} // namespace

bool InScenario() { return !Variable("ORVA_SCENARIO").empty(); }
std::string ScenarioName() { return Variable("ORVA_SCENARIO"); }
std::string ScenarioWindowsVersion() { return Variable("ORVA_SCENARIO_WINVER"); }

std::string InstallDisk() {
  const std::string disk = Variable("ORVA_SCENARIO_DISK");
  return disk.empty() ? std::string("E:\\") : disk;
}

std::string StandinLogPath() {
  const std::string path = Variable("WDREG_STANDIN_LOG");
  return path.empty() ? std::string("C:\\standin.log") : path;
}

std::vector<wdreg_standin::LoggedCall> StandinCalls() { return wdreg_standin::ParseLog(ReadWholeFile(StandinLogPath())); }

void ClearStandinLog() { DeleteFileA(StandinLogPath().c_str()); }

void SetStandinControl(const std::string& text) { WriteWholeFile(ControlPath(), text); }

StandinHold::StandinHold(const std::string& tool) {
  static int serial = 0;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  flag_ = std::string(temp) + "standin-hold-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++serial) + ".flag";
  WriteWholeFile(flag_, "held by a test\r\n");
  SetStandinControl((tool.empty() ? std::string() : tool + ": ") + "hold = " + flag_ + "\r\n");
}

StandinHold::~StandinHold() { Release(); }

void StandinHold::Release() {
  if (flag_.empty()) return;
  DeleteFileA(flag_.c_str());
  flag_.clear();
}

bool SaveScreenshot(const std::string& name, HWND window) {
  const std::string folder = Variable("ORVA_SHOT_DIR");
  if (folder.empty()) return false;
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (window && !GetWindowRect(window, &r)) return false;
  // Give the window time to paint what the test just changed; asking it to
  // paint now could block on a program that is busy copying.
  Sleep(300);
  return WriteBitmap(folder + "\\" + name + ".bmp", r);
}

} // namespace orva::testsupport
