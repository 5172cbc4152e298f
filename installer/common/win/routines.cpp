#include "installer/common/win/routines.h"

#include "installer/common/common_texts.h"
#include "installer/common/driver_command.h"
#include "installer/common/path_rules.h"
#include "installer/common/program_names.h"
#include "installer/common/win/pieces.h"
#include "winkit/control_helpers.h"
#include "winkit/files.h"
#include "winkit/font_cache.h"
#include "winkit/handle.h"
#include "winkit/window_dpi.h"
#include "winkit/message_box.h"
#include "winkit/record_size.h"
#include "winkit/text.h"
#include "winkit/wait.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace orva::installer {
namespace {

constexpr char kJapaneseFace[] = "ＭＳＰゴシック";
constexpr int kFontPoints = 9;

void SetLabel(HWND label, std::string_view ansi) {
  if (label) winkit::SetAnsiText(label, ansi);
}

std::wstring SystemErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                           text.back() == L'.'))
    text.pop_back();
  if (text.empty()) text = L"File error";
  return text + L" (" + std::to_wstring(error) + L")";
}

bool LastWriteTime(const std::string& path, FILETIME& time) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  time = data.ftLastWriteTime;
  return true;
}

} // namespace

bool IsFile(const std::string& path) { return winkit::FileExists(path); }
bool IsFolder(const std::string& path) { return winkit::FolderExists(path); }

HFONT InstallerFont(Language language, winkit::Dpi dpi) {
  const bool japanese = language == kLanguageJapanese;
  return winkit::CachedFont({japanese ? winkit::WideFromUtf8(kJapaneseFace) : L"arial", kFontPoints, false,
                             static_cast<BYTE>(japanese ? SHIFTJIS_CHARSET : DEFAULT_CHARSET),
                             DEFAULT_PITCH | FF_SWISS},
                            dpi);
}

void ApplyFont(const Tool& tool, HWND control) {
  winkit::SetFont(control, InstallerFont(tool.language, winkit::WindowDpi(control)), true);
}

void ShowStatus(const Tool& tool, std::string_view japanese, std::string_view english, int alignment,
                unsigned colour) {
  ApplyFont(tool, tool.LblDisp);
  SetStatusLine(tool.LblDisp, winkit::WideFromUtf8(PickText(tool.language, japanese, english)), alignment,
                static_cast<COLORREF>(colour));
}

void ShowStatus(const Tool& tool, const TextPair& text, int alignment, unsigned colour) {
  ShowStatus(tool, text.japanese, text.english, alignment, colour);
}

namespace {

// A copying or deleting status: the picked text with the file's name after
// it, centred, in black.
void ShowStatusOfFile(const Tool& tool, const TextPair& status, const std::string& fileName) {
  ShowStatus(tool, std::string(status.japanese) + fileName, std::string(status.english) + fileName, 2, 0);
}

} // namespace

void DrawBanner(const Tool& tool, const std::wstring& text) { SetBannerText(tool.Picture1, text); }

WindowsKind DetectWindows(const Tool& tool) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = 148;
  static_assert(sizeof(OSVERSIONINFOA) == 148);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const BOOL ok = GetVersionExA(&info);
#pragma GCC diagnostic pop
  const WindowsDetection found =
      DetectionFor(ok ? std::optional<ReportedVersion>({info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion})
                      : std::nullopt);
  if (found.label) SetLabel(tool.LblOS, found.label);
  return found.kind;
}

void ReadSystemFolders(Tool& tool) {
  char buffer[MAX_PATH + 1];
  tool.SystemFolder.clear();
  UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
  tool.WindowsFolder = n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
  SetLabel(tool.LblWindows, tool.WindowsFolder);
  n = GetSystemDirectoryA(buffer, sizeof buffer);
  tool.SystemFolder = n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
  SetLabel(tool.LblSystem, tool.SystemFolder);
}

void InstallSystemControl(const Tool& tool, const std::string& fileName, bool withStatus) {
  SetLabel(tool.LblSystemFile, "");
  const std::string target = WithBackslash(tool.SystemFolder) + fileName;
  const std::string source = tool.folder + fileName;
  if (!IsFile(source)) return; // nothing on the disk to put there
  if (IsFile(target)) {
    SetLabel(tool.LblSystemFile, fileName + kAlreadyExistSuffix);
    FILETIME sourceTime, targetTime;
    if (!LastWriteTime(source, sourceTime)) EndOnFileError(tool, GetLastError(), source);
    if (!LastWriteTime(target, targetTime)) EndOnFileError(tool, GetLastError(), target);
    if (CompareFileTime(&sourceTime, &targetTime) <= 0) return;
  }
  if (withStatus)
    ShowStatusOfFile(tool, TextPairOf(CommonText::CopyFileStatus), fileName);
  CopyFileOver(tool, source, target);
  SetLabel(tool.LblSystemFile, fileName + kCopySuffix);
}

void CopyToFolder(const Tool& tool, const std::string& fileName, const std::string& folder,
                  const TextPair& status) {
  if (fileName.empty()) return;
  const std::string source = tool.folder + fileName;
  if (!IsFile(source)) return;
  CopyFileOver(tool, source, WithBackslash(folder) + fileName);
  ShowStatusOfFile(tool, status, fileName);
}

void CopyFileOver(const Tool& tool, const std::string& source, const std::string& target) {
  if (CopyFileA(source.c_str(), target.c_str(), FALSE)) return;
  const DWORD error = GetLastError();
  // Name the file the error is about: the source when it cannot be read.
  EndOnFileError(tool, error, error == ERROR_FILE_NOT_FOUND && !IsFile(source) ? source : target);
}

namespace {

// ShellExecuteExA's "Open" of `file`, its process handle asked for.
SHELLEXECUTEINFOA OpenRequest(const Tool& tool, const std::string& file, const std::string& parameters, int show) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = winkit::RecordSize<SHELLEXECUTEINFOA, 60>();
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.hwnd = tool.window;
  info.lpVerb = "Open";
  info.lpFile = file.c_str();
  info.lpParameters = parameters.c_str();
  info.lpDirectory = "";
  info.nShow = show;
  return info;
}

} // namespace

void CreateFolder(const Tool& tool, const std::string& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr)) EndOnFileError(tool, GetLastError(), path);
}

bool LaunchProgram(const Tool& tool, const std::string& path, std::string_view failureMessage) {
  const std::string noParameters;
  SHELLEXECUTEINFOA info = OpenRequest(tool, path, noParameters, SW_SHOWNORMAL);
  if (!ShellExecuteExA(&info)) {
    ShowToolMessage(tool, failureMessage);
    return false;
  }
  winkit::UniqueHandle process(info.hProcess); // not waited for
  return true;
}

bool RunToolAndWait(Tool& tool, const std::string& toolName, const std::string& infName, DriverAction action) {
  const std::string file = tool.folder + toolName;
  const std::string parameters =
      action == DriverAction::Install
          ? DriverToolParameters(tool.folder, infName, kInstallAction)
          : DriverToolParameters(InfFolderOf(tool.WindowsFolder), infName, kUninstallAction);
  if (action == DriverAction::Uninstall && !IsFile(file)) return false;

  SHELLEXECUTEINFOA info = OpenRequest(tool, file, parameters, SW_HIDE);
  if (!ShellExecuteExA(&info) || !info.hProcess) {
    if (info.hProcess) CloseHandle(info.hProcess);
    ShowToolMessage(tool, kCannotStartDriver);
    return false;
  }
  winkit::UniqueHandle process(info.hProcess);

  // Wakes when the tool ends, when a message arrives, or every 500 ms.
  DWORD result;
  {
    // The pump posts a WM_QUIT it took again when it ends, before any box below.
    winkit::MessagePump pump;
    for (;;) {
      HANDLE handles[] = {process.Get()};
      result = MsgWaitForMultipleObjects(1, handles, FALSE, 500, QS_ALLINPUT);
      if (result == WAIT_OBJECT_0 + 1 || result == WAIT_TIMEOUT) {
        pump.HandlePending();
        if (tool.closed) break;
        continue;
      }
      break;
    }
  }
  if (tool.closed) return false;
  if (result == WAIT_OBJECT_0) return true;
  ShowToolMessage(tool, kDriverWaitError);
  return false;
}

void PauseSeconds(const Tool& tool, double seconds) {
  winkit::WaitSeconds(seconds, [&tool] { return tool.closed; });
}

void DeleteFromFolder(const Tool& tool, const std::string& fileName, const std::string& folder) {
  const std::string path = WithBackslash(folder) + fileName;
  if (IsFile(path) && !DeleteFileA(path.c_str())) EndOnFileError(tool, GetLastError(), path);
  ShowStatusOfFile(tool, TextPairOf(CommonText::DeleteFilesStatus), fileName);
}

namespace {
void ShowButton(HWND button, bool flag) {
  if (!button) return;
  winkit::Enable(button, flag);
  winkit::Show(button, flag);
}
} // namespace

void ShowNext(const Tool& tool, bool flag) { ShowButton(tool.CmdNext, flag); }
void ShowCancel(const Tool& tool, bool flag) { ShowButton(tool.CmdCancel, flag); }
void ShowComplete(const Tool& tool) {
  ShowButton(tool.CmdExit, true);
  if (tool.CmdExit) UpdateWindow(tool.CmdExit);
}

void ShowToolMessage(const Tool& tool, const TextPair& text) { ShowToolMessage(tool, PickText(tool.language, text)); }

void ShowToolMessage(const Tool& tool, std::string_view text) {
  winkit::ShowMessageBox(tool.window, winkit::WideFromUtf8(text), tool.title, MB_OK);
}

void EndOnFileError(const Tool& tool, DWORD error, const std::string& path) {
  const std::wstring text = SystemErrorText(error) + L"\r\n" + winkit::WideFromAnsi(path);
  winkit::ShowMessageBox(tool.window, text, tool.title, MB_OK);
  ExitProcess(1);
}

std::string SpecialFolderPath(SpecialFolder folder) {
  char buffer[MAX_PATH + 1] = {};
  const int csidl = folder == SpecialFolder::Desktop ? CSIDL_DESKTOPDIRECTORY : CSIDL_PROGRAMS;
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) return {};
  return buffer;
}

void CreateShortcut(const Tool& tool, const std::string& linkPath, const std::string& target,
                    const std::string& workingDirectory) {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkA* link = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link));
  if (SUCCEEDED(hr)) hr = link->SetPath(target.c_str());
  if (SUCCEEDED(hr)) hr = link->SetWorkingDirectory(workingDirectory.c_str());
  IPersistFile* file = nullptr;
  if (SUCCEEDED(hr)) hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(hr)) hr = file->Save(winkit::WideFromAnsi(linkPath).c_str(), TRUE);
  if (file) file->Release();
  if (link) link->Release();
  if (SUCCEEDED(init)) CoUninitialize();
  if (FAILED(hr)) EndOnFileError(tool, static_cast<DWORD>(hr), linkPath);
}

bool MeasurementProgramRunning() {
  winkit::UniqueHandle mutex(OpenMutexA(SYNCHRONIZE, FALSE, kProgramMutexName));
  return mutex.Valid() || GetLastError() == ERROR_ACCESS_DENIED; // there, but not ours to open
}

} // namespace orva::installer
