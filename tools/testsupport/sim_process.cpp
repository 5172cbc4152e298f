// Starting, watching and stopping simulator processes for Windows tests.
#include "tools/testsupport/sim_process.h"

#include "winkit/process_window.h"
#include "winkit/program_folder.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace orva::testsupport {

namespace {

constexpr char kScenarioVariable[] = "LINKKEEPER_SCENARIO";

std::string FolderOf(const std::string& path) {
  const auto cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string(".") : path.substr(0, cut);
}

// The current environment without LINKKEEPER_SCENARIO, as a double-NUL
// terminated block for CreateProcessA.
std::vector<char> EnvironmentWithoutScenario() {
  std::vector<char> out;
  char* env = GetEnvironmentStringsA();
  if (env != nullptr) {
    const std::size_t nameLen = std::strlen(kScenarioVariable);
    for (const char* p = env; *p != '\0'; p += std::strlen(p) + 1) {
      const bool isScenario = _strnicmp(p, kScenarioVariable, nameLen) == 0 && p[nameLen] == '=';
      if (!isScenario) out.insert(out.end(), p, p + std::strlen(p) + 1);
    }
    FreeEnvironmentStringsA(env);
  }
  out.push_back('\0');
  if (out.size() == 1) out.push_back('\0');
  return out;
}

} // namespace

std::string SimulatorPath() { return FolderOf(winkit::ModuleFolder()) + "\\EXE\\LinkKeeper.exe"; }

std::string MakeTempFile(const char* prefix) {
  char folder[MAX_PATH] = {};
  char name[MAX_PATH] = {};
  if (GetTempPathA(MAX_PATH, folder) == 0) return "";
  if (GetTempFileNameA(folder, prefix, 0, name) == 0) return "";
  return name;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

HWND FindTopLevelWindowOf(DWORD pid) { return winkit::FindTopLevelWindowOfProcess(pid); }

bool KillWindowOwner(HWND window, DWORD waitMs) {
  DWORD pid = 0;
  if (window == nullptr || GetWindowThreadProcessId(window, &pid) == 0 || pid == 0) return true;
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (process == nullptr) return false;
  TerminateProcess(process, 1);
  const bool ended = WaitForSingleObject(process, waitMs) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

void PumpMessagesFor(DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= ms) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
  }
}

SimulatorProcess::~SimulatorProcess() {
  Kill();
  if (!scenarioPath_.empty()) DeleteFileA(scenarioPath_.c_str());
}

bool SimulatorProcess::Start(const std::string& scenarioText, const std::string& extraArgs) {
  error_.clear();
  if (info_.hProcess != nullptr) {
    error_ = "already started";
    return false;
  }
  scenarioPath_ = MakeTempFile("lks");
  if (scenarioPath_.empty() || !WriteTextFile(scenarioPath_, scenarioText)) {
    error_ = "cannot write the scenario file";
    return false;
  }
  const std::string exe = SimulatorPath();
  std::string commandLine = "\"" + exe + "\" --scenario \"" + scenarioPath_ + "\"";
  if (!extraArgs.empty()) commandLine += " " + extraArgs;
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  std::vector<char> environment = EnvironmentWithoutScenario();
  const std::string folder = FolderOf(exe);

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  const auto launch = [&] {
    return CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                          folder.c_str(), &startup, &info_) != FALSE;
  };
  // Wine now and then fails a start with ERROR_INTERNAL_ERROR while its
  // server is busy starting other programs; a second try starts it.
  bool started = launch();
  if (!started && GetLastError() == ERROR_INTERNAL_ERROR) {
    Sleep(500);
    started = launch();
  }
  if (!started) {
    std::ostringstream why;
    why << "CreateProcess failed for " << exe << " (error " << GetLastError() << ")";
    error_ = why.str();
    info_ = {};
    return false;
  }
  return true;
}

HWND SimulatorProcess::WaitForWindow(DWORD timeoutMs, const char* title) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = FindWindowA(nullptr, title);
    while (window != nullptr) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      // Found by its title as soon as it exists; the simulator shows it
      // right after, and tests look at it once it is shown.
      if (owner == info_.dwProcessId && IsWindowVisible(window)) return window;
      window = FindWindowExA(nullptr, window, nullptr, title);
    }
    if (GetTickCount() - start >= timeoutMs || !IsRunning()) return nullptr;
    PumpMessagesFor(20);
  }
}

bool SimulatorProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (info_.hProcess == nullptr) return true;
  // Pump while waiting: the simulator may be sending to a window of ours.
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    const DWORD left = elapsed >= timeoutMs ? 0 : timeoutMs - elapsed;
    const DWORD r = MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, left, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) break;
    if (r != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (exitCode != nullptr) GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

bool SimulatorProcess::IsRunning() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void SimulatorProcess::Kill() {
  if (info_.hProcess == nullptr) return;
  if (IsRunning()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
  info_ = {};
}

ScenarioEnv::ScenarioEnv(const std::string& scenarioText) {
  char previous[MAX_PATH * 2] = {};
  const DWORD n = GetEnvironmentVariableA(kScenarioVariable, previous, sizeof previous);
  hadPrevious_ = n > 0 && n < sizeof previous;
  if (hadPrevious_) previous_ = previous;
  path_ = MakeTempFile("lke");
  WriteTextFile(path_, scenarioText);
  SetEnvironmentVariableA(kScenarioVariable, path_.c_str());
}

ScenarioEnv::~ScenarioEnv() {
  SetEnvironmentVariableA(kScenarioVariable, hadPrevious_ ? previous_.c_str() : nullptr);
  if (!path_.empty()) DeleteFileA(path_.c_str());
}

} // namespace orva::testsupport
