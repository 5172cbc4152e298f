// The block layout is fixed by static_asserts in the header; these checks pin
// what the asserts cannot: constants that both processes must agree on.
#include "devlink/link_block.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(LinkBlock, ObjectNamesAndTitle) {
  EXPECT_STREQ(devlink::kBlockName, "USB_CommonMemory");
  EXPECT_STREQ(devlink::kMutexName, "USB_Mutex");
  EXPECT_STREQ(devlink::kInitialEventName, "USB_Initial");
  EXPECT_STREQ(devlink::kHandlerWindowTitle, "WindowNameUsb");
  EXPECT_STREQ(devlink::kHandlerCommandLine, "..\\EXE\\LinkKeeper.exe");
}

TEST(LinkBlock, ReadingTextsLieInEntryZero) {
  devlink::CommonBlock block{};
  std::memcpy(block.receive.entry0, "12.5085.00", 10);
  const auto* raw = reinterpret_cast<const unsigned char*>(&block);
  EXPECT_EQ(0, std::memcmp(raw + 308 + 8, "12.50", 5));
  EXPECT_EQ(0, std::memcmp(raw + 308 + 8 + 5, "85.00", 5));
}

TEST(LinkBlock, LibraryOwnedRangesDoNotTouchHandlerFields) {
  // handlerWindow, alarmNo..errorText2 and receive belong to the handler.
  for (const auto& r : devlink::kLibraryOwnedRanges) {
    const std::size_t end = r.offset + r.size;
    EXPECT_FALSE(r.offset < 8 && end > 4) << "handlerWindow overlapped";
    EXPECT_FALSE(r.offset < 12 + 264 && end > 12) << "handler status fields overlapped";
    EXPECT_LE(end, 308u) << "receive overlapped";
  }
}
