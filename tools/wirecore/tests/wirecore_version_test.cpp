// The two copies of wirecore.dll carry the file versions they were built
// with, readable the way meterlink.dll reads them, and load as DLLs.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "winkit/program_folder.h"
#include "winkit/version_resource.h"

namespace {

std::string TestsFolder() { return winkit::ModuleFolder(); }

// A stdcall export keeps its decoration in the 32-bit file; x86-64 has none.
#ifdef _WIN64
constexpr char kRevisionExport[] = "WirecoreRevision";
#else
constexpr char kRevisionExport[] = "WirecoreRevision@0";
#endif

// FILEVERSION as four numbers; empty when the resource cannot be read.
std::vector<unsigned> FileVersion(const std::string& path) {
  const auto v = winkit::ReadFileVersion(path);
  if (!v) return {};
  return {static_cast<unsigned>(v->Major()), static_cast<unsigned>(v->Minor()), static_cast<unsigned>(v->Build()),
          static_cast<unsigned>(v->Revision())};
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
    EXPECT_NE(GetProcAddress(module, kRevisionExport), nullptr);
    FreeLibrary(module);
  }
}

TEST(Wirecore, FoundByNameFromTheProgramFolder) {
  // The tests run with the program folder as current directory, as the
  // library looks the file up by bare name.
  EXPECT_TRUE(winkit::ReadFileVersion(std::string("wirecore.dll")).has_value());
}

} // namespace
