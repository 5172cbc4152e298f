// The stand-in driver registration tool (built three times, as wdreg_gui.exe,
// wdreg16.exe and wdreg.exe). It registers no driver: it appends its command
// line to the log, waits if the control file asks for it and ends. See
// standin_rules.h for the log and control formats.
#include "tools/wdreg_standin/standin_rules.h"

#include <windows.h>

#include <string>

namespace {

std::string ModulePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// The variable's value, or `fallback` when it is not set.
std::string Setting(const char* variable, const std::string& fallback) {
  char value[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA(variable, value, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(value, n) : fallback;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadText(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(f);
  return text;
}

// Appends one CR LF line. Another stand-in may be writing at the same moment
// (a test can run several), so a sharing clash is retried for a while.
void AppendLine(const std::string& path, const std::string& line) {
  const std::string bytes = line + "\r\n";
  for (int attempt = 0; attempt < 50; ++attempt) {
    HANDLE f = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      CloseHandle(f);
      return;
    }
    if (GetLastError() != ERROR_SHARING_VIOLATION) return;
    Sleep(20);
  }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace wdreg_standin;
  const std::string self = ModulePath();
  const std::string folder = FolderOf(self);
  const CommandLine command = SplitCommandLine(GetCommandLineA());

  AppendLine(Setting("WDREG_STANDIN_LOG", folder + "\\standin.log"), LogLine(self, command.arguments));

  const std::string controlPath = Setting("WDREG_STANDIN_CONTROL", folder + "\\standin.ctl");
  const Control control = ParseControl(ReadText(controlPath), FileNameOf(self));
  if (control.delayMs > 0) Sleep(static_cast<DWORD>(control.delayMs));
  if (!control.holdPath.empty())
    while (Exists(control.holdPath)) Sleep(100);

  const std::optional<Request> request = ParseRequest(command.arguments);
  const int code = control.exitCode ? *control.exitCode
                                    : ExitCodeFor(request, request && Exists(request->inf));
  return code;
}
