// The two copies of wirecore.dll carry the file versions they were built
// with, readable the way meterlink.dll reads them, and load as DLLs.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>


namespace {

std::string TestsFolder() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self);
  return path.substr(0, path.find_last_of('\\'));
}

// FILEVERSION as four numbers; empty when the resource cannot be read.
std::vector<unsigned> FileVersion(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> data(size + 1);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return {};
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || info == nullptr) {
    return {};
  }
  return {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
          HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

TEST(Wirecore, CopiesCarryTheirFileVersions) {
  const std::string exeFolder = TestsFolder() + "\\..\\EXE";
  struct Case {
    std::string path;
    std::vector<unsigned> version;
  } cases[] = {
      {exeFolder + "\\wirecore.dll", {WIRECORE_EXPECTED_VERSION}},
      {TestsFolder() + "\\wirecore-2.1.3.11\\wirecore.dll", {2, 1, 3, 11}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileVersion(c.path), c.version) << c.path;
    HMODULE module = LoadLibraryA(c.path.c_str());
    ASSERT_NE(module, nullptr) << c.path;
    EXPECT_NE(GetProcAddress(module, "WirecoreRevision@0"), nullptr);
    FreeLibrary(module);
  }
}

TEST(Wirecore, FoundByNameFromTheProgramFolder) {
  // The tests run with the program folder as current directory, as the
  // library looks the file up by bare name.
  DWORD ignored = 0;
  EXPECT_GT(GetFileVersionInfoSizeA("wirecore.dll", &ignored), 0u);
}

} // namespace
