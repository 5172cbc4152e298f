// The portable rules behind the library's block write-back, error-text copy
// and version text: what reaches the block or the caller's buffer, and that
// nothing is written past a field or buffer.
#include <array>
#include <cstddef>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "devlink/error_text.h"
#include "devlink/link_block.h"
#include "devlink/owned_fields.h"
#include "devlink/version_text.h"

using namespace devlink;

namespace {

bool isOwned(std::size_t offset) {
  for (const auto& r : kLibraryOwnedRanges) {
    if (offset >= r.offset && offset < r.offset + r.size) return true;
  }
  return false;
}

} // namespace

// ---- write-back of the library's image --------------------------------------

TEST(OwnedFields, WriteBackTakesOnlyLibraryFieldsFromImage) {
  std::array<unsigned char, kBlockSize> image;
  std::array<unsigned char, kBlockSize> block;
  for (std::size_t i = 0; i < kBlockSize; ++i) {
    image[i] = static_cast<unsigned char>(0x80 | (i % 0x7F));
    block[i] = static_cast<unsigned char>(i % 0x7F);
  }
  const auto before = block;
  writeOwnedFields(image.data(), block.data());
  for (std::size_t i = 0; i < kBlockSize; ++i) {
    if (isOwned(i)) {
      EXPECT_EQ(image[i], block[i]) << "library byte " << i << " not written back";
    } else {
      EXPECT_EQ(before[i], block[i]) << "byte " << i << " overwritten";
    }
  }
}

TEST(OwnedFields, HandlerWritesBetweenReadAndWriteSurvive) {
  // The library reads, the handler then fills a reading and an error, the
  // library writes its parameters back: all three must be in the block.
  CommonBlock block{};
  block.handlerWindow = 0x1234;
  CommonBlock image = block; // the library's read

  block.status.alarmNo = 5;
  block.status.subCode = 2;
  std::strcpy(block.status.errorText1, "Sensor signal lost");
  std::memcpy(block.receive.entry0, "12.5085.00", 10);
  block.receive.header1 = 77;
  block.unused[100] = 0xEE;

  image.mainWindow = 0xAB;
  image.languageFlag = 1;
  image.paramCopy = {0xAB, 1, kParam3, kParam4};
  std::strcpy(image.status.versionText, "01.00-1");
  image.status.alarmNo = 0; // stale copy of a handler field
  writeOwnedFields(&image, &block);

  EXPECT_EQ(0xABu, block.mainWindow);
  EXPECT_EQ(1u, block.languageFlag);
  EXPECT_EQ(kParam4, block.paramCopy.param4);
  EXPECT_STREQ("01.00-1", block.status.versionText);
  EXPECT_EQ(0x1234u, block.handlerWindow);
  EXPECT_EQ(5, block.status.alarmNo);
  EXPECT_EQ(2, block.status.subCode);
  EXPECT_STREQ("Sensor signal lost", block.status.errorText1);
  EXPECT_EQ(0, std::memcmp(block.receive.entry0, "12.5085.00", 10));
  EXPECT_EQ(77u, block.receive.header1);
  EXPECT_EQ(0xEE, block.unused[100]);
}

// ---- error text copy ----------------------------------------------------------

struct ErrorTextCase {
  const char* name;
  std::string field; // bytes of the 128-byte field (rest zero unless `fill`)
  char fill;         // value of the bytes after `field`
  std::string expected;
};

TEST(ErrorText, CopiesWithinTheCallersBuffer) {
  const ErrorTextCase cases[] = {
      {"empty", "", '\0', ""},
      {"short", "Sensor signal lost", '\0', "Sensor signal lost"},
      {"exactly 127", std::string(127, 'x'), '\0', std::string(127, 'x')},
      {"garbage after NUL", std::string("ab\0cd", 5), 'Z', "ab"},
      {"no NUL in field", std::string(128, 'y'), 'y', std::string(127, 'y')},
      {"NUL last byte only", std::string(127, 'q'), '\0', std::string(127, 'q')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // The field sits in a bigger buffer so an over-read would pick up 'R'.
    struct {
      char field[kErrorTextSize];
      char after[16];
    } source;
    std::memset(source.field, c.fill, sizeof source.field);
    std::memcpy(source.field, c.field.data(), c.field.size());
    std::memset(source.after, 'R', sizeof source.after);

    struct {
      char text[kErrorTextSize];
      char guard[16];
    } out;
    std::memset(&out, 0x5A, sizeof out);
    const std::size_t n = copyErrorText(source.field, out.text);

    EXPECT_EQ(c.expected.size(), n);
    EXPECT_EQ(c.expected, std::string(out.text));
    for (char g : out.guard) ASSERT_EQ(0x5A, g) << "wrote past the 128-byte buffer";
    for (std::size_t i = n + 1; i < kErrorTextSize; ++i) {
      ASSERT_EQ(0x5A, out.text[i]) << "wrote beyond the NUL at " << i;
    }
  }
}

// ---- version text ---------------------------------------------------------------

struct VersionCase {
  unsigned major, minor, build, revision;
  const char* expected;
};

TEST(VersionText, FormatsFileVersion) {
  const VersionCase cases[] = {
      {1, 0, 0, 1, "01.00-1"},
      {2, 1, 3, 11, "02.13-B"},
      {0, 0, 0, 0, "00.00-0"},
      {10, 2, 3, 15, "10.23-F"},
      {1, 12, 34, 16, "01.1234-10"},
      // Only the low 8 bits of minor and revision take part.
      {1, 0x1FF, 0, 0x2AB, "01.2550-AB"},
      {123, 45, 6, 7, "123.456-7"},
      // Widest texts are cut to 15 characters.
      {65535, 255, 65535, 255, "65535.25565535-"},
      {65535, 255, 9, 1, "65535.2559-1"},
      {12345, 100, 1234, 200, "12345.1001234-C"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    struct {
      char text[kVersionTextSize];
      char guard[8];
    } out;
    std::memset(&out, 0x5A, sizeof out);
    formatVersionText((c.major << 16) | c.minor, (c.build << 16) | c.revision, out.text);
    EXPECT_STREQ(c.expected, out.text);
    for (char g : out.guard) ASSERT_EQ(0x5A, g) << "wrote past the 16-byte field";
    // The rest of the field is zero, so the block holds no stale characters.
    for (std::size_t i = std::strlen(out.text); i < kVersionTextSize; ++i) ASSERT_EQ(0, out.text[i]);
  }
}

TEST(VersionText, MissingCompanionFile) {
  char out[kVersionTextSize];
  std::memset(out, 'X', sizeof out);
  missingVersionText(out);
  EXPECT_STREQ("00.00-0", out);
  EXPECT_EQ(0, out[kVersionTextSize - 1]);
}
