// Shared ground of the library's Windows tests (see the header).
#include "devlink/tests/win_link_fixture.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <sstream>

#include "tools/testsupport/sim_process.h"
#include "tools/testsupport/test_files.h"
#include "winkit/program_folder.h"

namespace devlink::test {

namespace ts = orva::testsupport;

namespace {

std::string FolderOf(const std::string& path) {
  const auto cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string(".") : path.substr(0, cut);
}

std::string FileNameOf(const std::string& path) {
  const auto cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

template <class Fn>
bool Bind(HMODULE module, const char* name, Fn& out) {
  out = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return out != nullptr;
}

} // namespace

bool MeterLink::Load() {
  Unload();
  module_ = LoadLibraryA(kLibraryName);
  if (module_ == nullptr) return false;
  return Bind(module_, "USBStart", USBStart) && Bind(module_, "USBStop", USBStop) &&
         Bind(module_, "USBStatusRead", USBStatusRead) &&
         Bind(module_, "USBReceiveRead", USBReceiveRead) &&
         Bind(module_, "DeviceStart", DeviceStart) && Bind(module_, "DeviceStop", DeviceStop) &&
         Bind(module_, "DeviceErrorRead", DeviceErrorRead) &&
         Bind(module_, "ExeActive", ExeActive);
}

void MeterLink::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
}

std::string MeterLink::Path() const { return module_ == nullptr ? "" : winkit::ModulePath(module_); }

std::string TestsFolder() { return winkit::ModuleFolder(); }

std::string ExeFolder() { return FolderOf(TestsFolder()) + "\\EXE"; }

std::vector<DWORD> SimulatorPids() {
  std::vector<DWORD> pids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return pids;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(FileNameOf(entry.szExeFile).c_str(), "LinkKeeper.exe") == 0) {
      pids.push_back(entry.th32ProcessID);
    }
  }
  CloseHandle(snapshot);
  return pids;
}

void KillSimulators() {
  for (DWORD pid : SimulatorPids()) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) continue;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

bool BlockExists() {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, kBlockName);
  if (mapping == nullptr) return false;
  CloseHandle(mapping);
  return true;
}

std::string ProcessImagePath(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (process == nullptr) return "";
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameExA(process, nullptr, path, MAX_PATH);
  CloseHandle(process);
  return n == 0 ? "" : path;
}

int CountLines(const std::string& text, const std::string& prefix) {
  int count = 0;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.compare(0, prefix.size(), prefix) == 0) ++count;
  }
  return count;
}

DWORD LoggedPid(const std::string& log) {
  const std::string key = "start pid=";
  const auto at = log.find(key);
  if (at == std::string::npos) return 0;
  return static_cast<DWORD>(std::strtoul(log.c_str() + at + key.size(), nullptr, 10));
}

std::string LoggedScenario::Log() const { return ts::ReadTextFile(logPath); }

LoggedScenario WithLog(const std::string& body) {
  LoggedScenario s;
  s.logPath = ts::MakeTempFile("lkl");
  s.text = body + "\nlog = " + s.logPath + "\n";
  return s;
}

TempTree::TempTree() {
  const std::string file = ts::MakeTempFile("dlt");
  DeleteFileA(file.c_str());
  root_ = file;
  CreateDirectoryA(root_.c_str(), nullptr);
}

TempTree::~TempTree() { orva::testsupport::RemoveTree(root_); }

std::string TempTree::Path(const std::string& relative) const {
  return relative.empty() ? root_ : root_ + "\\" + relative;
}

void TempTree::MakeFolder(const std::string& relative) {
  CreateDirectoryA(Path(relative).c_str(), nullptr);
}

bool TempTree::CopyInto(const std::string& source, const std::string& relativeFolder) {
  const std::string target = Path(relativeFolder) + "\\" + FileNameOf(source);
  return CopyFileA(source.c_str(), target.c_str(), FALSE) != 0;
}

LinkParams ParamsFor(HWND mainWindow, std::uint32_t languageFlag) {
  const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(mainWindow));
  return LinkParams{handle, languageFlag, kParam3, kParam4};
}

void LinkTest::SetUp() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  previousFolder_ = folder;
  KillSimulators();
  // The block lives as long as any process holds it; with no simulator and
  // the library unloaded, nothing should.
  for (int i = 0; i < 50 && BlockExists(); ++i) Sleep(20);
  ASSERT_FALSE(BlockExists()) << "another process still holds USB_CommonMemory";
  mainWindow = std::make_unique<orva::testsupport::NotifyRecorder>();
  ASSERT_NE(nullptr, mainWindow->hwnd());
}

void LinkTest::TearDown() {
  link.Unload();
  KillSimulators();
  mainWindow.reset();
  SetCurrentDirectoryA(previousFolder_.c_str());
  trees_.clear();
}

TempTree& LinkTest::NewTree() {
  trees_.push_back(std::make_unique<TempTree>());
  return *trees_.back();
}

void LinkTest::LoadLibraryIn(const std::string& folder) {
  ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str())) << folder;
  ASSERT_TRUE(link.Load()) << "meterlink.dll not loadable from " << folder;
}

void LinkTest::LoadWithoutHandler(TempTree& tree, const std::string& companion) {
  tree.MakeFolder("APP");
  ASSERT_TRUE(tree.CopyInto(ExeFolder() + "\\meterlink.dll", "APP"));
  if (!companion.empty()) {
    ASSERT_TRUE(tree.CopyInto(companion, "APP")) << companion;
  }
  LoadLibraryIn(tree.Path("APP"));
  ASSERT_EQ(tree.Path("APP") + "\\meterlink.dll", link.Path());
}

} // namespace devlink::test
