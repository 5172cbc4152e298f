// The folder remover's Windows side on real files: deleting a tree as far
// as it goes, and libraries that cannot be bound (the scenarios cover the
// real library and a missing one).
#include "installer/dirsweep/win/exe_active_binding.h"
#include "installer/dirsweep/win/folder_delete.h"
#include "winkit/files.h"
#include "winkit/handle.h"
#include "winkit/program_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>
#include <windows.h>

namespace orva::dirsweep {
namespace {

std::string Scratch(const char* name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "orva_dirsweep_" + name;
  std::string ignored;
  DeleteFolderTree(folder, ignored);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(FolderTree, GoesWholeOrKeepsWhatCannotBeDeleted) {
  enum class Obstacle { None, ReadOnly, InUse };
  const struct {
    const char* name;
    Obstacle obstacle;
  } cases[] = {{"whole", Obstacle::None}, {"readonly", Obstacle::ReadOnly}, {"inuse", Obstacle::InUse}};
  for (const auto& c : cases) {
    const std::string root = Scratch(c.name);
    CreateDirectoryA((root + "\\sub").c_str(), nullptr);
    CreateDirectoryA((root + "\\sub\\deeper").c_str(), nullptr);
    CreateDirectoryA((root + "\\empty").c_str(), nullptr);
    const std::vector<std::string> files = {root + "\\INSTALL.EXE", root + "\\temp.txt",
                                            root + "\\sub\\a.txt", root + "\\sub\\deeper\\b.txt"};
    for (const auto& f : files) WriteFile(f, "x");
    const std::string blocked = root + "\\sub\\deeper\\b.txt";
    winkit::UniqueHandle open;
    if (c.obstacle == Obstacle::ReadOnly) SetFileAttributesA(blocked.c_str(), FILE_ATTRIBUTE_READONLY);
    if (c.obstacle == Obstacle::InUse)
      open.Reset(CreateFileA(blocked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));

    std::string error;
    const bool gone = DeleteFolderTree(root, error);
    if (c.obstacle == Obstacle::None) {
      EXPECT_TRUE(gone) << c.name << ": " << error;
      EXPECT_FALSE(winkit::FolderExists(root)) << c.name;
      continue;
    }
    EXPECT_FALSE(gone) << c.name;
    EXPECT_NE(error.find(blocked), std::string::npos) << c.name << ": " << error;
    EXPECT_TRUE(winkit::FileExists(blocked)) << c.name;
    for (const auto& f : files) {
      if (f != blocked) {
        EXPECT_FALSE(winkit::FileExists(f)) << c.name << " " << f;
      }
    }
    EXPECT_FALSE(winkit::FolderExists(root + "\\empty")) << c.name;
    open.Reset();
    SetFileAttributesA(blocked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(DeleteFolderTree(root, error)) << c.name << ": " << error;
  }
}

TEST(ExeActiveBinding, ALibraryThatCannotBeBoundIsReportedNotCalled) {
  const std::string text = Scratch("textlib");
  WriteFile(text + "\\METERLINK.DLL", "not a library");
  const std::string other = Scratch("otherlib");
  // A real library without the export.
  CopyFileA((winkit::ModuleFolder() + "\\..\\EXE\\wirecore.dll").c_str(), (other + "\\METERLINK.DLL").c_str(), FALSE);
  const struct {
    std::string folder;
    const char* part;
  } cases[] = {{text, "METERLINK.DLL"}, {other, "ExeActive"}};
  for (const auto& c : cases) {
    ExeActiveBinding binding(c.folder);
    for (int call = 0; call < 2; ++call) {
      std::string error;
      EXPECT_EQ(binding.ExeActive(1, error), std::nullopt) << c.folder;
      EXPECT_NE(error.find(c.part), std::string::npos) << c.folder << ": " << error;
      EXPECT_NE(error.find(c.folder), std::string::npos) << c.folder << ": " << error;
    }
  }
  std::string ignored;
  for (const auto& f : {text, other}) DeleteFolderTree(f, ignored);
}

} // namespace
} // namespace orva::dirsweep
