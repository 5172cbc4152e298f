// Log lines: the formats tests of other programs count on, and the
// append-per-line file with CR LF.
#include "tools/linkkeeper/log_lines.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace linkkeeper {
namespace {

TEST(LogLines, Formats) {
  EXPECT_EQ(StartLine(1234, 0x1002C), "start pid=1234 window=65580");
  EXPECT_EQ(InitLine(65580, 1, 129, 2000000000), "USBMsgInit main=65580 lang=1 p3=129 p4=2000000000");
  EXPECT_EQ(NotifyLine(0x466), "notify 0x466");
  EXPECT_EQ(NotifyLine(0x46B), "notify 0x46B");
  EXPECT_EQ(UndeliveredLine(0x46A), "undelivered 0x46A");
  EXPECT_EQ(ProblemLine(3, "rate: bad number"), "scenario line 3: rate: bad number");
}

TEST(LogLines, AppendsWithCrLfAndDoesNothingWithoutPath) {
  const std::string path = testing::TempDir() + "linkkeeper_log_test.log";
  std::remove(path.c_str());
  const LogFile log(path);
  EXPECT_TRUE(log.Append("WM_NULL"));
  EXPECT_TRUE(LogFile(path).Append("exit"));
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "WM_NULL\r\nexit\r\n");
  std::remove(path.c_str());

  EXPECT_FALSE(LogFile().enabled());
  EXPECT_TRUE(LogFile().Append("ignored"));
}

} // namespace
} // namespace linkkeeper
