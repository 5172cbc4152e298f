// The rights the tools' manifests ask for, read back from the built programs.
#include "winkit/program_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace orva::uninstall {
namespace {

std::string ManifestOf(const std::string& exe) {
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return {};
  std::string text;
  if (HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
    if (HGLOBAL data = LoadResource(module, res))
      text.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, res));
  }
  FreeLibrary(module);
  return text;
}

TEST(ToolManifests, UninstallerAsksForAdministratorFolderRemoverInherits) {
  const std::string exeFolder = winkit::ModuleFolder() + "\\..\\installer\\";
  const struct {
    const char* exe;
    const char* level;
  } cases[] = {{"UNINSTALL.EXE", "level=\"requireAdministrator\""}, {"DIRSWEEP.EXE", "level=\"asInvoker\""}};
  for (const auto& c : cases) {
    const std::string manifest = ManifestOf(exeFolder + c.exe);
    ASSERT_FALSE(manifest.empty()) << c.exe;
    EXPECT_NE(manifest.find(c.level), std::string::npos) << c.exe << "\n" << manifest;
    EXPECT_NE(manifest.find("urn:schemas-microsoft-com:asm.v3"), std::string::npos) << c.exe;
  }
}

} // namespace
} // namespace orva::uninstall
