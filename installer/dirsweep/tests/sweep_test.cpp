// The folder remover's pass on a fake clock, a fake installer window and a
// fake file system: how long it waits, how often it asks, what it removes.
#include "installer/dirsweep/sweep.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <vector>

namespace orva::dirsweep {
namespace {

constexpr double kForever = std::numeric_limits<double>::infinity();

// The installer window lives until `windowGoneAt` on the fake clock, which
// only the pauses move forward.
struct FakeSystem : SweepSystem {
  std::map<std::string, std::string> files; // path -> contents
  bool folder = true;
  double windowGoneAt = 0;
  bool libraryMissing = false;
  bool deleteFails = false;

  double now = 0;
  std::vector<double> checksAt;
  std::vector<std::uint32_t> checkedHandles;
  int deletes = 0;

  bool IsFile(const std::string& path) override { return files.count(path) > 0; }
  bool IsFolder(const std::string& path) override { return folder && path == "C:\\XTEMPINS\\"; }
  std::optional<std::string> ReadFirstLine(const std::string& path, std::string& error) override {
    const std::string& text = files.at(path);
    if (text.empty()) {
      error = "the file is empty";
      return std::nullopt;
    }
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
  std::optional<bool> ExeActive(std::uint32_t window, std::string& error) override {
    if (libraryMissing) {
      error = "not found";
      return std::nullopt;
    }
    checksAt.push_back(now);
    checkedHandles.push_back(window);
    return now < windowGoneAt;
  }
  void PauseSeconds(double seconds) override { now += seconds; }
  bool DeleteFolder(const std::string& path, std::string& error) override {
    EXPECT_EQ(path, "C:\\XTEMPINS");
    ++deletes;
    if (deleteFails) error = "C:\\XTEMPINS\\INSTALL.EXE: access denied";
    return !deleteFails;
  }
};

TEST(SweepWait, ChecksAndPausesFollowTheInstallerWindow) {
  const struct {
    const char* name;
    bool handleFile;
    double windowGoneAt;
    std::vector<double> checksAt;
    double removedAt;
  } cases[] = {
      {"window gone at the first check", true, 0, {0}, 3},
      {"window gone after the second check", true, 4, {0, 3, 6}, 9},
      {"window gone just before the fifth check", true, 11.5, {0, 3, 6, 9, 12}, 15},
      {"window that stays", true, kForever, {0, 3, 6, 9, 12}, 18},
      {"no temp.txt", false, kForever, {}, 6},
  };
  for (const auto& c : cases) {
    FakeSystem system;
    system.files["C:\\XTEMPINS\\DIR.TXT"] = "";
    if (c.handleFile) system.files["C:\\XTEMPINS\\temp.txt"] = " 1234 \r\n";
    system.windowGoneAt = c.windowGoneAt;
    const SweepResult result = SweepTempFolder(system);
    EXPECT_EQ(result.end, SweepEnd::Removed) << c.name;
    EXPECT_EQ(system.checksAt, c.checksAt) << c.name;
    EXPECT_EQ(system.now, c.removedAt) << c.name;
    EXPECT_EQ(system.deletes, 1) << c.name;
    for (auto handle : system.checkedHandles) EXPECT_EQ(handle, 1234u) << c.name;
  }
}

TEST(SweepRemoval, OnlyAMarkedFolderGoes) {
  const struct {
    const char* name;
    bool marker, folder;
    SweepEnd end;
  } cases[] = {
      {"marked folder", true, true, SweepEnd::Removed},
      {"folder without DIR.TXT", false, true, SweepEnd::NotMarked},
      {"no folder at all", false, false, SweepEnd::NotMarked},
  };
  for (const auto& c : cases) {
    FakeSystem system;
    system.folder = c.folder;
    if (c.marker) system.files["C:\\XTEMPINS\\DIR.TXT"] = "";
    const SweepResult result = SweepTempFolder(system);
    EXPECT_EQ(result.end, c.end) << c.name;
    EXPECT_EQ(system.deletes, c.end == SweepEnd::Removed ? 1 : 0) << c.name;
    EXPECT_EQ(system.now, 6) << c.name;
    EXPECT_TRUE(SweepFailureMessage(result).empty()) << c.name;
  }
}

TEST(SweepFailures, EndWithOneMessageAndTheFolderKept) {
  const struct {
    const char* name;
    const char* handleText;
    bool libraryMissing, deleteFails;
    SweepEnd end;
    const char* messagePart;
    int deletes;
  } cases[] = {
      {"first line not a number", "abc\r\n1234\r\n", false, false, SweepEnd::HandleNotANumber,
       "\"abc\"", 0},
      {"empty temp.txt", "", false, false, SweepEnd::HandleNotANumber, "the file is empty", 0},
      {"library cannot be bound", "1234\r\n", true, false, SweepEnd::LibraryUnavailable,
       "METERLINK.DLL", 0},
      {"folder partly in use", "1234\r\n", false, true, SweepEnd::NotRemoved, "INSTALL.EXE", 1},
  };
  for (const auto& c : cases) {
    FakeSystem system;
    system.files["C:\\XTEMPINS\\DIR.TXT"] = "";
    system.files["C:\\XTEMPINS\\temp.txt"] = c.handleText;
    system.libraryMissing = c.libraryMissing;
    system.deleteFails = c.deleteFails;
    const SweepResult result = SweepTempFolder(system);
    EXPECT_EQ(result.end, c.end) << c.name;
    EXPECT_EQ(system.deletes, c.deletes) << c.name;
    const std::string message = SweepFailureMessage(result);
    EXPECT_NE(message.find(c.messagePart), std::string::npos) << c.name << ": " << message;
    EXPECT_NE(message.find("C:\\XTEMPINS"), std::string::npos) << c.name << ": " << message;
  }
}

TEST(WindowHandleText, ThirtyTwoBitNumbersWithBlanks) {
  const struct {
    const char* text;
    std::optional<std::uint32_t> handle;
  } cases[] = {
      {"1234", 1234u},
      {"  65552  ", 65552u},
      {"\t65552\r", 65552u},
      {"+17", 17u},
      {"0", 0u},
      {"000042", 42u},
      {"4294967295", 0xFFFFFFFFu},
      {"2147483647", 0x7FFFFFFFu},
      {"-1", 0xFFFFFFFFu},
      {"-2147483648", 0x80000000u},
      {"4294967296", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"-2147483649", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"12 34", std::nullopt},
      {"12abc", std::nullopt},
      {"abc", std::nullopt},
      {"1.5", std::nullopt},
      {"0x10", std::nullopt},
      {"- 5", std::nullopt},
      {"\xEF\xBC\x91", std::nullopt}, // a full-width digit one
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWindowHandle(c.text), c.handle) << '"' << c.text << '"';
}

} // namespace
} // namespace orva::dirsweep
