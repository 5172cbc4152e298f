// The Print dialog's records and the printer choice rules.
#include "station/output/printer_records.h"

#include <gtest/gtest.h>

#include <cctype>

namespace orva {
namespace {

namespace pm = printer_mode;

std::string AsciiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}


TEST(StationPrinterRecords, PresetSetsNameSizeFieldsAndKeepsTheRest) {
  PrinterMode mode;
  mode.bytes.fill(0xEE); // what an earlier dialog left
  PresetPrinterMode(mode, "PDF", 2, std::int16_t{3});
  EXPECT_EQ(mode.DeviceName(), "PDF");
  for (size_t i = 3; i < kDeviceNameSize; ++i) EXPECT_EQ(mode.bytes[i], 0) << i;
  EXPECT_EQ(mode.Short(pm::Size), 122);
  EXPECT_EQ(mode.Long(pm::Fields), 0x1001u);
  EXPECT_EQ(mode.Short(pm::Orientation), 2);
  EXPECT_EQ(mode.Short(pm::Duplex), 3);
  EXPECT_EQ(mode.Short(pm::Copies), static_cast<std::int16_t>(0xEEEE));
  EXPECT_EQ(mode.bytes[pm::FormName], 0xEE);
  EXPECT_EQ(mode.bytes[kPrinterModeSize - 1], 0xEE);

  // Duplex that could not be read: the field keeps the last dialog's value.
  mode.SetShort(pm::Duplex, 2);
  PresetPrinterMode(mode, "Other", 1, std::nullopt);
  EXPECT_EQ(mode.DeviceName(), "Other");
  EXPECT_EQ(mode.Short(pm::Duplex), 2);
  EXPECT_EQ(mode.Short(pm::Orientation), 1);

  // A long name is cut to 32 bytes with no NUL; the next field is untouched.
  const std::string longName = "A printer with a name of more than thirty-two bytes";
  PresetPrinterMode(mode, longName, 1, std::nullopt);
  EXPECT_EQ(mode.DeviceName(), longName.substr(0, 32));
  EXPECT_EQ(mode.Short(pm::SpecVersion), static_cast<std::int16_t>(0xEEEE));
}

TEST(StationPrinterRecords, DevNamesBytes) {
  const auto block = DevNamesRecord("winspool", "PDF2", "CUPS:PDF2");
  ASSERT_TRUE(block);
  std::vector<std::uint8_t> expected(108, 0);
  const std::uint8_t head[] = {8, 0, 17, 0, 22, 0, 0, 0};
  std::copy(std::begin(head), std::end(head), expected.begin());
  const std::string text("winspool\0PDF2\0CUPS:PDF2", 23);
  std::copy(text.begin(), text.end(), expected.begin() + 8);
  EXPECT_EQ(*block, expected);
}

TEST(StationPrinterRecords, DevNamesOffsetsCountBytes) {
  const struct {
    const char* name;
    std::string driver, device, port;
  } cases[] = {
      {"ascii", "winspool", "PDF", "CUPS:PDF"},
      {"device name longer than port", "winspool", "Line printer on the second floor", "LPT1:"},
      {"multi-byte device", "winspool", "\x88\xf3\x8d\xfc\x8b\x40 2", "CUPS:\x88\xf3"}, // cp932
      {"empty names", "", "", ""},
      {"names beyond the text area", std::string(60, 'd'), std::string(50, 'n'), std::string(40, 'p')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto block = DevNamesRecord(c.driver, c.device, c.port);
    ASSERT_TRUE(block);
    const auto at = [&](size_t i) { return static_cast<size_t>((*block)[i] | (*block)[i + 1] << 8); };
    const auto textAt = [&](size_t offset) {
      return std::string(reinterpret_cast<const char*>(block->data() + offset));
    };
    EXPECT_GE(block->size(), 108u);
    EXPECT_EQ(at(0), 8u);
    EXPECT_EQ(textAt(at(0)), c.driver);
    EXPECT_EQ(textAt(at(2)), c.device);
    EXPECT_EQ(textAt(at(4)), c.port);
    EXPECT_EQ(at(6), 0u);
    EXPECT_EQ(block->back(), 0);
  }
  EXPECT_FALSE(DevNamesRecord("d", std::string(70000, 'n'), "p"));
}

TEST(StationPrinterRecords, ChosenPrinterBecomesCurrentLastMatchWins) {
  const std::vector<std::string> installed = {"PDF", "Pdf2", "Office", "PDF2"};
  const struct {
    const char* current;
    const char* chosen;
    std::optional<size_t> index;
  } cases[] = {
      {"PDF", "PDF", std::nullopt},  // already current
      {"PDF", "pdf2", 3},            // two printers match: the last one wins
      {"PDF", "OFFICE", 2},
      {"Office", "OFFICE", 2},       // current name differs in case: taken again
      {"PDF", "Nowhere", std::nullopt}, // no match: the current printer stays
      {"PDF", "", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.current) + " -> " + c.chosen);
    EXPECT_EQ(PrinterToMakeCurrent(c.current, c.chosen, installed, AsciiUpper), c.index);
  }
}

TEST(StationPrinterRecords, SettingsAPrinterTakes) {
  const PrinterCapabilities simplex{9999, false, {1, 9, 70}};
  const PrinterCapabilities duplex{1, true, {}};
  const struct {
    PrintSetting setting;
    int value;
    const PrinterCapabilities& caps;
    bool accepted;
  } cases[] = {
      {PrintSetting::Copies, 1, simplex, true},      {PrintSetting::Copies, 9999, simplex, true},
      {PrintSetting::Copies, 10000, simplex, false}, {PrintSetting::Copies, 0, simplex, false},
      {PrintSetting::Copies, 2, duplex, false},      {PrintSetting::Copies, -1, duplex, false},
      {PrintSetting::Duplex, 1, simplex, true},      {PrintSetting::Duplex, 2, simplex, false},
      {PrintSetting::Duplex, 3, duplex, true},       {PrintSetting::Duplex, 4, duplex, false},
      {PrintSetting::Duplex, 0, duplex, false},      {PrintSetting::Orientation, 2, simplex, true},
      {PrintSetting::Orientation, 0, simplex, false}, {PrintSetting::Orientation, 3, simplex, false},
      {PrintSetting::PaperSize, 9, simplex, true},   {PrintSetting::PaperSize, 8, simplex, false},
      {PrintSetting::PaperSize, 8, duplex, true},    {PrintSetting::PaperSize, 0, duplex, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.setting)) + " " + std::to_string(c.value));
    EXPECT_EQ(SettingAccepted(c.setting, c.value, c.caps), c.accepted);
  }
}

} // namespace
} // namespace orva
