#include "tools/testsupport/installation.h"

#include "installer/common/file_lists.h"

#include <windows.h>
#include <shlobj.h>
#include <objidl.h>

#include <algorithm>

namespace orva::testsupport {
namespace {

std::string Special(int csidl) {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return path;
}

bool CreateLevels(const std::string& folder) {
  for (std::size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1)) {
    const std::string level = folder.substr(0, at);
    if (!CreateDirectoryA(level.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
  }
  return true;
}

bool Copy(const std::string& from, const std::string& to, std::string& error) {
  if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return true;
  error = "copy " + from + " -> " + to + " failed: " + std::to_string(GetLastError());
  return false;
}

bool MakeShortcut(const std::string& link, const std::string& target, const std::string& folder) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkA* shell = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shell));
  if (SUCCEEDED(hr)) hr = shell->SetPath(target.c_str());
  if (SUCCEEDED(hr)) hr = shell->SetWorkingDirectory(folder.c_str());
  IPersistFile* file = nullptr;
  if (SUCCEEDED(hr)) hr = shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(hr)) {
    std::wstring wide(link.begin(), link.end());
    hr = file->Save(wide.c_str(), TRUE);
  }
  if (file) file->Release();
  if (shell) shell->Release();
  return SUCCEEDED(hr);
}

} // namespace

std::string WindowsFolder() {
  char path[MAX_PATH] = {};
  GetWindowsDirectoryA(path, MAX_PATH);
  return path;
}

std::string WindowsInfFolder() { return WindowsFolder() + "\\inf\\"; }

std::string ProgramsFolder() { return Special(CSIDL_PROGRAMS); }

std::string DesktopFolder() { return Special(CSIDL_DESKTOPDIRECTORY); }

std::vector<std::string> ShortcutPaths() {
  return {ProgramsFolder() + "\\ORVA.exe.lnk", DesktopFolder() + "\\ORVA.exe.lnk"};
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool LayOutInstallation(const std::string& source, const std::string& programFolder, std::string& error) {
  if (!CreateLevels(programFolder)) {
    error = "cannot create " + programFolder;
    return false;
  }
  for (std::string_view file : installer::kInstallFiles) {
    const std::string name(file);
    if (!name.empty() && PathExists(source + name) && !Copy(source + name, programFolder + name, error))
      return false;
  }
  CreateLevels(WindowsInfFolder());
  for (const char* inf : {"windrvr6.inf", "ORVA.inf"})
    if (!Copy(source + inf, WindowsInfFolder() + inf, error)) return false;
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string drivers = std::string(system) + "\\drivers\\";
  CreateLevels(drivers);
  if (!Copy(source + "windrvr6.sys", drivers + "windrvr6.sys", error)) return false;
  for (const std::string& link : ShortcutPaths()) {
    if (!MakeShortcut(link, programFolder + "ORVA.exe", programFolder)) {
      error = "cannot create the shortcut " + link;
      return false;
    }
  }
  return true;
}

bool ReadShortcut(const std::string& link, std::string& target, std::string& workingDirectory) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkA* shell = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shell));
  IPersistFile* file = nullptr;
  if (SUCCEEDED(hr)) hr = shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(hr)) {
    std::wstring wide(link.begin(), link.end());
    hr = file->Load(wide.c_str(), STGM_READ);
  }
  char path[MAX_PATH] = {}, folder[MAX_PATH] = {};
  if (SUCCEEDED(hr)) hr = shell->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
  if (SUCCEEDED(hr)) hr = shell->GetWorkingDirectory(folder, MAX_PATH);
  if (file) file->Release();
  if (shell) shell->Release();
  target = path;
  workingDirectory = folder;
  return SUCCEEDED(hr) && !target.empty();
}


} // namespace orva::testsupport
