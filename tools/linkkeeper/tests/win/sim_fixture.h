// Fixture for the simulator's process tests: a zeroed shared block held by
// the test, a log file per test, and the simulator started with a scenario
// (plus "log = <file>") and killed in teardown.
#pragma once

#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "devlink/link_block.h"
#include "tools/testsupport/notify_recorder.h"
#include "tools/testsupport/shared_block_access.h"
#include "tools/testsupport/sim_process.h"

namespace linkkeeper_test {

using namespace orva::testsupport;

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

inline std::uint32_t Handle32(HWND h) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(h));
}

inline bool Deliver(HWND target, UINT msg, DWORD timeoutMs = devlink::kSendTimeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(target, msg, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

inline std::string EntryText(const devlink::CommonBlock& b, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(b.receive.entry0) + offset, 5);
}

class SimulatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(block_.Open());
    block_.Write(devlink::CommonBlock{});
    logPath_ = MakeTempFile("lkl");
    ASSERT_FALSE(logPath_.empty());
  }

  void TearDown() override {
    sim_.Kill();
    DeleteFileA(logPath_.c_str());
  }

  // Starts the simulator and waits for its window (nullptr on failure).
  HWND Start(const std::string& scenario, const char* title = "WindowNameUsb") {
    if (!sim_.Start(scenario + "\nlog = " + logPath_ + "\n")) {
      ADD_FAILURE() << sim_.error();
      return nullptr;
    }
    HWND window = sim_.WaitForWindow(10000, title);
    // The window exists a moment before the simulator shows it.
    for (int i = 0; window && !IsWindowVisible(window) && i < 200; ++i) Sleep(25);
    return window;
  }

  std::vector<std::string> Log() const { return SplitLines(ReadTextFile(logPath_)); }

  int LogCount(const std::string& line) const {
    const auto lines = Log();
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
  }

  // Waits until the log holds `line` at least `count` times.
  bool WaitForLog(const std::string& line, int count = 1, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    while (LogCount(line) < count) {
      if (GetTickCount() - start >= timeoutMs) return false;
      PumpMessagesFor(20);
    }
    return true;
  }

  SharedBlockAccess block_;
  SimulatorProcess sim_;
  std::string logPath_;
};

} // namespace linkkeeper_test
