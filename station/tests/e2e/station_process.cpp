#include "station/tests/e2e/station_process.h"

#include "tools/testsupport/station_window.h"
#include "tools/testsupport/test_files.h"

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>
#include <cstring>

namespace e2e {
namespace {

const char* const kProgramFiles[] = {"ORVA.exe", "meterlink.dll", "LinkKeeper.exe", "wirecore.dll"};

std::wstring TextOf(HWND w) { return orva::testsupport::RemoteWindowText(w); }

} // namespace

std::string BuiltProgramFolder() {
  char dir[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, dir);
  return dir;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void KillSimulators() {
  orva::testsupport::EndProcessesNamed(L"LinkKeeper.exe");
  orva::testsupport::EndProcessesNamed(L"ORVA.exe");
}

StationProcess::StationProcess(const std::string& scenario, bool withLibrary) {
  static int serial = 0;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string root = std::string(temp) + "orva-e2e-" + std::to_string(GetCurrentProcessId()) +
                           "-" + std::to_string(++serial);
  // Process ids come back across runs: never reuse what an earlier run left.
  orva::testsupport::RemoveTree(root);
  CreateDirectoryA(root.c_str(), nullptr);
  root_ = root;
  folder_ = root + "\\EXE";
  CreateDirectoryA(folder_.c_str(), nullptr);
  const std::string from = BuiltProgramFolder();
  for (const char* name : kProgramFiles) {
    if (!withLibrary && std::strcmp(name, "meterlink.dll") == 0) continue;
    CopyFileA((from + "\\" + name).c_str(), PathOf(name).c_str(), FALSE);
  }
  DeleteFileA(PathOf("sim.log").c_str());
  WriteFile("LinkKeeper.scn", scenario + "\r\nlog = " + PathOf("sim.log") + "\r\n");
  SetEnvironmentVariableA("LINKKEEPER_SCENARIO", PathOf("LinkKeeper.scn").c_str());
}

StationProcess::~StationProcess() {
  if (process_.hProcess) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  KillSimulators();
  orva::testsupport::RemoveTree(root_);
}

void StationProcess::WriteFile(const std::string& name, const std::string& bytes) const {
  orva::testsupport::WriteWholeFile(PathOf(name), bytes);
}

std::string StationProcess::ReadFile(const std::string& name) const {
  return orva::testsupport::ReadWholeFile(PathOf(name));
}

bool StationProcess::FileExists(const std::string& name) const {
  return GetFileAttributesA(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

PROCESS_INFORMATION StationProcess::Start() {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  std::string command = "\"" + PathOf("ORVA.exe") + "\"";
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                      &si, &process_)) {
    process_ = {};
  }
  return process_;
}

void StationProcess::Kill() {
  if (!process_.hProcess) return;
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 5000);
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  process_ = {};
  main_ = nullptr;
}

bool StationProcess::WaitForExit(DWORD ms, DWORD* exitCode) {
  if (!process_.hProcess) return false;
  if (WaitForSingleObject(process_.hProcess, ms) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(process_.hProcess, exitCode);
  return true;
}

HWND StationProcess::WaitForMainWindow(DWORD ms) {
  const DWORD start = GetTickCount(), limit = static_cast<DWORD>(ms);
  do {
    // Shown only once its load is through; earlier clicks would be dropped.
    HWND w = orva::testsupport::FindStationWindow(process_.dwProcessId);
    if (w && IsWindowVisible(w)) return main_ = w;
    Sleep(50);
  } while (GetTickCount() - start < limit);
  return nullptr;
}

HWND StationProcess::Control(const char* name) const {
  return orva::testsupport::FindDescendantById(main_, orva::testsupport::StationControlId(name));
}

std::wstring StationProcess::Text(const char* name) const {
  HWND w = Control(name);
  return w ? TextOf(w) : L"<no control>";
}

bool StationProcess::Enabled(const char* name) const {
  HWND w = Control(name);
  return w && IsWindowEnabled(w);
}

bool StationProcess::Visible(const char* name) const {
  HWND w = Control(name);
  return w && (GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE);
}

void StationProcess::Click(const char* name) const {
  if (HWND w = Control(name)) PostMessageW(w, BM_CLICK, 0, 0);
}

// Posted keys carry no key state: for Ctrl the test thread shares the
// station thread's input state and sets the key there while the station
// handles the key.
void StationProcess::PressKey(UINT virtualKey, bool control, const char* name) const {
  const HWND target = name ? Control(name) : main_;
  const DWORD stationThread = GetWindowThreadProcessId(main_, nullptr);
  BYTE keys[256] = {};
  const bool held = control && AttachThreadInput(GetCurrentThreadId(), stationThread, TRUE);
  if (held) {
    GetKeyboardState(keys);
    keys[VK_CONTROL] |= 0x80;
    SetKeyboardState(keys);
  }
  PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
  if (!held) return;
  // A sent message would be answered before the posted keys: give the station
  // time to take them instead.
  Sleep(300);
  keys[VK_CONTROL] &= 0x7F;
  SetKeyboardState(keys);
  AttachThreadInput(GetCurrentThreadId(), stationThread, FALSE);
}

bool StationProcess::StartWithLink(DWORD ms) {
  return Start().hProcess && WaitForMainWindow(ms) && Eventually([&] { return Text("lblExe") == L"Exe Run"; }, ms);
}

bool StationProcess::MeasureRun(size_t readings, DWORD ms) {
  const size_t sent = CountSimulatorLog("notify 0x46B");
  Click("cmdStart");
  return Eventually([&] {
    return CountSimulatorLog("notify 0x46B") == sent + readings && RunLogLines().size() == readings &&
           Visible("txtError");
  }, ms);
}

bool StationProcess::SaveResultsAs(const std::string& name, DWORD ms) const {
  Click("cmdSave");
  return AnswerFileDialog(PathOf(name), ms);
}

bool StationProcess::AnswerFileDialog(const std::string& path, DWORD ms) const {
  const DWORD start = GetTickCount();
  do {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr) {
      DWORD pid = 0;
      GetWindowThreadProcessId(dialog, &pid);
      if (pid != process_.dwProcessId || !IsWindowVisible(dialog)) continue;
      if (!GetDlgItem(dialog, edt1) && !GetDlgItem(dialog, cmb13)) continue; // a message box or another dialog
      SetDlgItemTextA(dialog, cmb13, path.c_str());
      SetDlgItemTextA(dialog, edt1, path.c_str());
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      return true;
    }
    Sleep(50);
  } while (GetTickCount() - start < ms);
  return false;
}

void StationProcess::Close() const {
  if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
}

std::wstring StationProcess::GridCell(int row, int column) const {
  HWND grid = Control("MSFlexGridMsr");
  if (!grid) return L"<no grid>";
  HANDLE proc = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                            process_.dwProcessId);
  if (!proc) return L"<no access>";
  constexpr int kChars = 256;
  const SIZE_T size = sizeof(LVITEMW) + kChars * sizeof(wchar_t);
  auto* remote = static_cast<char*>(VirtualAllocEx(proc, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
  std::wstring text;
  if (remote) {
    LVITEMW item{};
    item.iSubItem = column;
    item.cchTextMax = kChars;
    item.pszText = reinterpret_cast<LPWSTR>(remote + sizeof(LVITEMW));
    WriteProcessMemory(proc, remote, &item, sizeof item, nullptr);
    const LRESULT n = SendMessageW(grid, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                   reinterpret_cast<LPARAM>(remote));
    wchar_t buffer[kChars] = {};
    ReadProcessMemory(proc, remote + sizeof(LVITEMW), buffer, sizeof buffer - sizeof(wchar_t), nullptr);
    text.assign(buffer, static_cast<size_t>(n < 0 ? 0 : (n > kChars - 1 ? kChars - 1 : n)));
    VirtualFreeEx(proc, remote, 0, MEM_RELEASE);
  }
  CloseHandle(proc);
  return text;
}

std::vector<std::string> StationProcess::RunLogLines() const { return SplitLines(ReadFile("temp.txt")); }

bool StationProcess::WaitForRunLogLines(size_t n, DWORD ms) const {
  // Counts line ends as they are appended, so a run log of 100,000 lines is
  // not read again and again while it grows; an emptied one starts over.
  const std::string path = PathOf("temp.txt");
  LONGLONG counted = 0;
  size_t lines = 0;
  const DWORD start = GetTickCount(), limit = static_cast<DWORD>(ms);
  do {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      LARGE_INTEGER size{};
      GetFileSizeEx(file, &size);
      if (size.QuadPart < counted) counted = 0, lines = 0;
      LARGE_INTEGER at{};
      at.QuadPart = counted;
      SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
      char chunk[65536];
      DWORD got = 0;
      while (::ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        lines += static_cast<size_t>(std::count(chunk, chunk + got, '\n'));
        counted += got;
      }
      CloseHandle(file);
    }
    if (lines >= n) return true;
    Sleep(50);
  } while (GetTickCount() - start < limit);
  return false;
}

std::string StationProcess::MarkPrintout() const {
  static int serial = 0;
  const std::string mark = "12." + std::to_string(GetCurrentProcessId() % 10000) + std::to_string(++serial);
  const std::wstring text(mark.begin(), mark.end());
  SendMessageW(Control("txtLimitLow"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return mark;
}

std::vector<std::string> StationProcess::SimulatorLog() const { return SplitLines(ReadFile("sim.log")); }

size_t StationProcess::CountSimulatorLog(const std::string& prefix) const {
  size_t n = 0;
  for (const auto& line : SimulatorLog())
    if (line.rfind(prefix, 0) == 0) ++n;
  return n;
}

} // namespace e2e
