// The folder remover's Windows side on real files and the real library:
// deleting a tree as far as it goes, binding ExeActive from a folder,
// reading the handle line.
#include "installer/dirsweep/win/exe_active_binding.h"
#include "installer/dirsweep/win/folder_delete.h"
#include "installer/dirsweep/win/sweep_system.h"
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

TEST(FolderTree, MissingFolderIsAFailureNamingIt) {
  std::string error;
  EXPECT_FALSE(DeleteFolderTree("C:\\orva_no_such_folder", error));
  EXPECT_NE(error.find("C:\\orva_no_such_folder"), std::string::npos) << error;
}

HWND MakeWindow() {
  return CreateWindowExA(0, "STATIC", "installer stand-in", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                         nullptr);
}

// The tests run in the program folder, where the built METERLINK.DLL lies.
TEST(ExeActiveBinding, AnswersFromTheLibraryInTheToolFolder) {
  ExeActiveBinding binding(winkit::ModuleFolder() + "\\..\\EXE");
  HWND window = MakeWindow();
  ASSERT_NE(window, nullptr);
  std::string error;
  EXPECT_EQ(binding.ExeActive(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)), error),
            std::optional<bool>(true))
      << error;
  EXPECT_TRUE(binding.Loaded());
  DestroyWindow(window);
  EXPECT_EQ(binding.ExeActive(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)), error),
            std::optional<bool>(false));
  EXPECT_EQ(binding.ExeActive(0, error), std::optional<bool>(false));
}

TEST(ExeActiveBinding, ALibraryThatCannotBeBoundIsReportedNotCalled) {
  const std::string empty = Scratch("nolib");
  const std::string text = Scratch("textlib");
  WriteFile(text + "\\METERLINK.DLL", "not a library");
  const std::string other = Scratch("otherlib");
  // A real library without the export.
  CopyFileA((winkit::ModuleFolder() + "\\..\\EXE\\wirecore.dll").c_str(), (other + "\\METERLINK.DLL").c_str(), FALSE);
  const struct {
    std::string folder;
    const char* part;
  } cases[] = {{empty, "METERLINK.DLL"}, {text, "METERLINK.DLL"}, {other, "ExeActive"}};
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
  for (const auto& f : {empty, text, other}) DeleteFolderTree(f, ignored);
}

TEST(HandleFile, FirstLineWithoutItsLineEnd) {
  const std::string folder = Scratch("handle");
  const struct {
    const char* contents;
    std::optional<std::string> line;
  } cases[] = {
      {"  65552  \r\nsecond\r\n", "  65552  "},
      {"65552", "65552"},
      {"\r\n65552\r\n", ""},
      {"abc\n", "abc"},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    WriteFile(folder + "\\temp.txt", c.contents);
    std::string error;
    EXPECT_EQ(ReadFirstLineOf(folder + "\\temp.txt", error), c.line) << '"' << c.contents << '"';
  }
  std::string error;
  EXPECT_EQ(ReadFirstLineOf(folder + "\\missing.txt", error), std::nullopt);
  EXPECT_NE(error.find("missing.txt"), std::string::npos) << error;
  DeleteFolderTree(folder, error);
}

} // namespace
} // namespace orva::dirsweep
