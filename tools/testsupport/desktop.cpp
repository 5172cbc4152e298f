#include "tools/testsupport/desktop.h"

#include "winkit/process_window.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include <utility>

namespace orva::testsupport {
namespace {

bool IsIconStatic(HWND w) { return (GetWindowLongW(w, GWL_STYLE) & SS_TYPEMASK) == SS_ICON; }

struct ChildSearch {
  const std::wstring* caption;
  const wchar_t* className;
  int id;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND w, LPARAM param) {
  auto* s = reinterpret_cast<ChildSearch*>(param);
  if (s->className && _wcsicmp(WindowClassName(w).c_str(), s->className) != 0) return TRUE;
  if (s->caption ? PlainCaption(RemoteWindowText(w)) != *s->caption : GetDlgCtrlID(w) != s->id) return TRUE;
  s->found = w;
  return FALSE;
}

BOOL CALLBACK CollectLabels(HWND w, LPARAM param) {
  auto* texts = reinterpret_cast<std::vector<std::wstring>*>(param);
  if (_wcsicmp(WindowClassName(w).c_str(), L"Static") == 0 && !IsIconStatic(w) && IsWindowVisible(w))
    texts->push_back(RemoteWindowText(w));
  return TRUE;
}

} // namespace

std::wstring WindowClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring PlainCaption(const std::wstring& caption) {
  std::wstring plain;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&') {
      if (i + 1 < caption.size() && caption[i + 1] == L'&') plain += caption[++i];
      continue;
    }
    plain += caption[i];
  }
  return plain;
}

HWND FindTopLevelWindow(const std::wstring& caption, DWORD pid, bool visibleOnly) {
  return winkit::FindTopLevelWindowOfProcess(pid, [&](HWND w) {
    return (!visibleOnly || IsWindowVisible(w)) && RemoteWindowText(w) == caption;
  });
}

HWND WaitForTopLevelWindow(const std::wstring& caption, DWORD ms, DWORD pid) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND w = FindTopLevelWindow(caption, pid)) return w;
    if (GetTickCount() - start >= ms) return nullptr;
    Sleep(50);
  }
}

HWND FindControlByCaption(HWND window, const std::wstring& caption, const wchar_t* className) {
  ChildSearch search{&caption, className, 0, nullptr};
  if (window) EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindControlById(HWND window, int id) {
  ChildSearch search{nullptr, nullptr, id, nullptr};
  if (window) EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool IsShown(HWND control) { return control && IsWindowVisible(control); }

bool IsUsable(HWND control) {
  if (!IsShown(control)) return false;
  for (HWND w = control; w && w != GetDesktopWindow(); w = GetAncestor(w, GA_PARENT))
    if (!IsWindowEnabled(w)) return false;
  return true;
}

bool ButtonUsable(HWND window, const std::wstring& caption) {
  return IsUsable(FindControlByCaption(window, caption, L"Button"));
}

bool PressButton(HWND window, const std::wstring& caption) {
  HWND button = FindControlByCaption(window, caption, L"Button");
  if (!IsUsable(button)) return false;
  PostMessageW(button, BM_CLICK, 0, 0);
  return true;
}

bool WaitForButton(HWND window, const std::wstring& caption, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (ButtonUsable(window, caption)) return true;
    if (GetTickCount() - start >= ms) return false;
    Sleep(50);
  }
}

std::vector<std::wstring> ShownLabelTexts(HWND window) {
  std::vector<std::wstring> texts;
  if (window) EnumChildWindows(window, CollectLabels, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

StartedProgram StartedProgram::Open(const std::string& path, const std::string& parameters,
                                    const std::string& folder) {
  std::string directory = folder;
  if (directory.empty()) {
    const size_t slash = path.find_last_of('\\');
    if (slash != std::string::npos) directory = path.substr(0, slash + 1);
  }
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpVerb = "open";
  info.lpFile = path.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  info.nShow = SW_SHOWNORMAL;
  StartedProgram program;
  if (ShellExecuteExA(&info) && info.hProcess) {
    program.process_ = info.hProcess;
    program.pid_ = GetProcessId(info.hProcess);
  }
  return program;
}

StartedProgram::~StartedProgram() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

StartedProgram::StartedProgram(StartedProgram&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), pid_(std::exchange(other.pid_, 0)) {}

StartedProgram& StartedProgram::operator=(StartedProgram&& other) noexcept {
  if (this != &other) {
    StartedProgram old(std::move(*this));
    process_ = std::exchange(other.process_, nullptr);
    pid_ = std::exchange(other.pid_, 0);
  }
  return *this;
}

bool StartedProgram::WaitForEnd(DWORD ms, DWORD* exitCode) const {
  if (!process_ || WaitForSingleObject(process_, ms) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(process_, exitCode);
  return true;
}

bool StartedProgram::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

std::vector<DWORD> ProcessesNamed(const wchar_t* exeName) {
  std::vector<DWORD> ids;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Process32FirstW(snap, &entry); ok; ok = Process32NextW(snap, &entry))
    if (_wcsicmp(entry.szExeFile, exeName) == 0) ids.push_back(entry.th32ProcessID);
  CloseHandle(snap);
  return ids;
}

DWORD WaitForProcessNamed(const wchar_t* exeName, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    const auto ids = ProcessesNamed(exeName);
    if (!ids.empty()) return ids.front();
    if (GetTickCount() - start >= ms) return 0;
    Sleep(50);
  }
}

bool WaitForNoProcessNamed(const wchar_t* exeName, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (ProcessesNamed(exeName).empty()) return true;
    if (GetTickCount() - start >= ms) return false;
    Sleep(50);
  }
}

void EndProcessesNamed(const wchar_t* exeName) {
  for (DWORD id : ProcessesNamed(exeName)) {
    if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
      TerminateProcess(p, 1);
      WaitForSingleObject(p, 5000);
      CloseHandle(p);
    }
  }
}

} // namespace orva::testsupport
