// The allowance in use across a restart: its name survives the ANSI settings
// file unchanged, and it stays in use only while the limits are its own.
#include "station/allowances/active_allowance.h"

#include <gtest/gtest.h>

#include <string>

namespace orva {
namespace {

TEST(ActiveAllowance, TheStoredNameIsPrintableAsciiAndReadsBackTheSame) {
  const std::string names[] = {
      "Drive belt 12-13",
      "\xE3\x82\xBF\xE3\x82\xA4\xE3\x83\x9F\xE3\x83\xB3\xE3\x82\xB0", // タイミング
      "100% \"quoted\" 'belt'",
      "%41 is not an A",
      "",
  };
  for (const std::string& name : names) {
    const std::string stored = EncodeActiveName(name);
    for (unsigned char c : stored) EXPECT_TRUE(c > 0x20 && c < 0x7F) << stored;
    EXPECT_EQ(stored.find('"'), std::string::npos);
    EXPECT_EQ(DecodeActiveName(stored), name);
  }
  EXPECT_EQ(EncodeActiveName("A b"), "A%20b");
  EXPECT_EQ(DecodeActiveName("%e3%83%99"), "\xE3\x83\x99");
  // Written by hand or cut short: what cannot be read as an escape stays.
  EXPECT_EQ(DecodeActiveName("50%"), "50%");
  EXPECT_EQ(DecodeActiveName("%4"), "%4");
  EXPECT_EQ(DecodeActiveName("%zz1"), "%zz1");
}

TEST(ActiveAllowance, InForceWhileTheBoxesAndTheUnitHoldTheEntrysValues) {
  const AllowanceEntry belt{"Belt", LimitUnit::Hz, "95", "0.0", ""};
  const struct {
    const char* high;
    const char* low;
    int mode;
    bool inForce;
  } cases[] = {
      {"95", "0.0", 1, true},
      {"95", "0", 1, true},   // START's rewrite of a low limit of 0
      {"95", "0.0", 0, false}, // the unit changed
      {"95", "0.0", 7, true},  // any mode but 0 is Hz
      {"95.0", "0.0", 1, false},
      {"95", "", 1, false},
      {"95", "00", 1, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StillInForce(belt, c.high, c.low, c.mode), c.inForce) << c.high << "|" << c.low << "|" << c.mode;
  const AllowanceEntry n{"N", LimitUnit::N, "13", "12", ""};
  EXPECT_TRUE(StillInForce(n, "13", "12", 0));
  EXPECT_FALSE(StillInForce(n, "13", "0", 0)); // not START's rewrite: 12 is not 0
}

} // namespace
} // namespace orva
