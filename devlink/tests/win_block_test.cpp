// What the library does to the shared block: it writes only its own fields,
// also when the handler writes between the library's read and write-back;
// and the version text it reports for each companion file.
#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>

#include "tools/testsupport/sim_process.h"
#include "devlink/tests/win_link_fixture.h"

namespace devlink::test {
namespace {

namespace ts = orva::testsupport;

using BlockTest = LinkTest;

bool IsLibraryByte(std::size_t offset) {
  for (const auto& r : kLibraryOwnedRanges) {
    if (offset >= r.offset && offset < r.offset + r.size) return true;
  }
  return false;
}

// Marks every handler-written field and the unused tail with `value`.
void Stamp(CommonBlock& b, int value) {
  b.status.alarmNo = value;
  b.status.subCode = -value;
  std::snprintf(b.status.errorText1, kErrorTextSize, "error %d", value);
  std::snprintf(b.status.errorText2, kErrorTextSize, "detail %d", value);
  b.receive.header1 = static_cast<std::uint32_t>(value);
  std::snprintf(reinterpret_cast<char*>(b.receive.entry0), kEntrySize, "%05d%05d", value, value);
  std::memcpy(b.unused, &value, sizeof value);
  std::memcpy(b.unused + sizeof b.unused - sizeof value, &value, sizeof value);
}

bool HasStamp(const CommonBlock& b, int value) {
  CommonBlock expected = b;
  Stamp(expected, value);
  return std::memcmp(&expected, &b, sizeof b) == 0;
}

TEST_F(BlockTest, LibraryChangesOnlyItsOwnFields) {
  ts::SharedBlockAccess access;
  ASSERT_TRUE(access.Open());
  CommonBlock left{};
  auto* raw = reinterpret_cast<unsigned char*>(&left);
  for (std::size_t i = 0; i < kBlockSize; ++i) raw[i] = static_cast<unsigned char>(i * 7 + 1);
  left.handlerWindow = 0; // no handler to probe
  access.Write(left);

  LoadWithoutHandler(NewTree());
  const LinkParams params = ParamsFor(mainWindow->hwnd(), 1);
  LinkStatus status;
  LinkReceive receive;
  char text1[kErrorTextSize];
  char text2[kErrorTextSize];
  EXPECT_EQ(-1, link.USBStart(&params, &status));
  EXPECT_EQ(-1, link.DeviceStart(&params, &status));
  EXPECT_EQ(0, link.USBStatusRead(&status));
  EXPECT_EQ(0, link.USBReceiveRead(&receive, 0));
  EXPECT_EQ(0, link.DeviceErrorRead(&status, text1, text2));

  const CommonBlock after = access.Read();
  const auto* now = reinterpret_cast<const unsigned char*>(&after);
  for (std::size_t i = 0; i < kBlockSize; ++i) {
    if (!IsLibraryByte(i)) {
      ASSERT_EQ(raw[i], now[i]) << "library changed byte " << i;
    }
  }
  EXPECT_EQ(params.mainWindow, after.mainWindow);
  EXPECT_EQ(1u, after.languageFlag);
  EXPECT_EQ(0, std::memcmp(&params, &after.paramCopy, sizeof params));
  EXPECT_STREQ("00.00-0", after.status.versionText);
  EXPECT_EQ(0, std::memcmp(&left.receive, &receive, sizeof receive));
}

TEST_F(BlockTest, HandlerWritesBetweenReadAndWriteBackSurvive) {
  LoadWithoutHandler(NewTree());
  LinkParams params = ParamsFor(mainWindow->hwnd());
  LinkStatus status;
  ASSERT_EQ(-1, link.USBStart(&params, &status)); // objects open, no handler
  ts::SharedBlockAccess handler;
  ASSERT_TRUE(handler.Open());

  // Per round the stand-in handler holds the mutex while DeviceStart starts
  // waiting for it, writes stamp 2r, lets the library read, then queues for
  // the mutex again and writes stamp 2r+1 -- usually before the library's
  // write-back, which must not bring stamp 2r back.
  constexpr int kRounds = 60;
  HANDLE holding = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HANDLE roundDone = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HANDLE checked = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  std::atomic<bool> beforeWriteBack[kRounds + 1] = {};
  std::thread writer([&] {
    for (int r = 1; r <= kRounds; ++r) {
      handler.Modify([&](CommonBlock& b) {
        SetEvent(holding);
        Sleep(30);
        Stamp(b, 2 * r);
      });
      handler.Modify([&](CommonBlock& b) {
        beforeWriteBack[r] = b.paramCopy.param4 != static_cast<std::uint32_t>(r);
        Stamp(b, 2 * r + 1);
      });
      SetEvent(roundDone);
      WaitForSingleObject(checked, INFINITE);
    }
  });

  int between = 0;
  for (int r = 1; r <= kRounds; ++r) {
    WaitForSingleObject(holding, INFINITE);
    params.param4 = static_cast<std::uint32_t>(r);
    EXPECT_EQ(-1, link.DeviceStart(&params, &status)); // no handler to command
    WaitForSingleObject(roundDone, INFINITE);
    // status is the library's read: stamp 2r means it read between the two.
    if (status.alarmNo == 2 * r && beforeWriteBack[r]) ++between;
    const CommonBlock block = handler.Read();
    EXPECT_TRUE(HasStamp(block, 2 * r + 1)) << "round " << r << ": handler write undone";
    EXPECT_EQ(static_cast<std::uint32_t>(r), block.paramCopy.param4) << "round " << r;
    SetEvent(checked);
  }
  writer.join();
  CloseHandle(holding);
  CloseHandle(roundDone);
  CloseHandle(checked);
  std::printf("handler wrote between read and write-back in %d of %d rounds\n", between, kRounds);
  EXPECT_GT(between, 0) << "the interleaving was never exercised";
}

TEST_F(BlockTest, VersionTextOfTheCompanionFileFound) {
  struct Case {
    std::string companion; // "" : none beside the library
    const char* expected;
  };
  const Case cases[] = {
      {"", "00.00-0"},
      {ExeFolder() + "\\wirecore.dll", "01.00-1"},
      {TestsFolder() + "\\wirecore-2.1.3.11\\wirecore.dll", "02.13-B"},
  };
  const LinkParams params = ParamsFor(mainWindow->hwnd());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    LoadWithoutHandler(NewTree(), c.companion);
    LinkStatus status;
    std::memset(&status, 0xCC, sizeof status);
    EXPECT_EQ(-1, link.USBStart(&params, &status));
    EXPECT_STREQ(c.expected, status.versionText);
    ts::SharedBlockAccess access;
    ASSERT_TRUE(access.Open());
    EXPECT_STREQ(c.expected, access.Read().status.versionText);
    link.Unload();
  }
}

} // namespace
} // namespace devlink::test
