#include "station/output/printer_records.h"

#include <algorithm>

namespace orva {

std::int16_t PrinterMode::Short(std::size_t offset) const {
  return static_cast<std::int16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

void PrinterMode::SetShort(std::size_t offset, std::int16_t value) {
  const auto v = static_cast<std::uint16_t>(value);
  bytes[offset] = static_cast<std::uint8_t>(v & 0xFF);
  bytes[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}

std::uint32_t PrinterMode::Long(std::size_t offset) const {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | bytes[offset + static_cast<std::size_t>(i)];
  return v;
}

void PrinterMode::SetLong(std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::string PrinterMode::DeviceName() const {
  const auto* first = bytes.data() + printer_mode::DeviceName;
  const auto* end = std::find(first, first + kDeviceNameSize, std::uint8_t{0});
  return std::string(first, end);
}

void PresetPrinterMode(PrinterMode& mode, std::string_view deviceName, std::int16_t orientation,
                       std::optional<std::int16_t> duplex) {
  auto* name = mode.bytes.data() + printer_mode::DeviceName;
  std::fill(name, name + kDeviceNameSize, std::uint8_t{0});
  std::copy_n(deviceName.begin(), std::min(deviceName.size(), kDeviceNameSize), name);
  mode.SetShort(printer_mode::Size, static_cast<std::int16_t>(kPrinterModeSize));
  mode.SetLong(printer_mode::Fields, kPresetFields);
  mode.SetShort(printer_mode::Orientation, orientation);
  if (duplex) mode.SetShort(printer_mode::Duplex, *duplex);
}

std::optional<std::vector<std::uint8_t>> DevNamesRecord(std::string_view driver,
                                                        std::string_view device,
                                                        std::string_view port) {
  const std::size_t driverOffset = kDevNamesHeader;
  const std::size_t deviceOffset = driverOffset + driver.size() + 1;
  const std::size_t outputOffset = deviceOffset + device.size() + 1;
  const std::size_t end = outputOffset + port.size() + 1;
  if (outputOffset > 0xFFFF) return std::nullopt;
  std::vector<std::uint8_t> block(std::max(kDevNamesMinSize, end), 0);
  const auto put16 = [&](std::size_t at, std::size_t value) {
    block[at] = static_cast<std::uint8_t>(value & 0xFF);
    block[at + 1] = static_cast<std::uint8_t>(value >> 8);
  };
  put16(0, driverOffset);
  put16(2, deviceOffset);
  put16(4, outputOffset);
  put16(6, 0); // not the default printer
  std::copy(driver.begin(), driver.end(), block.begin() + static_cast<std::ptrdiff_t>(driverOffset));
  std::copy(device.begin(), device.end(), block.begin() + static_cast<std::ptrdiff_t>(deviceOffset));
  std::copy(port.begin(), port.end(), block.begin() + static_cast<std::ptrdiff_t>(outputOffset));
  return block;
}

std::optional<std::size_t> PrinterToMakeCurrent(
    std::string_view currentName, std::string_view chosenName,
    const std::vector<std::string>& installedNames,
    const std::function<std::string(std::string_view)>& upperCase) {
  const std::string chosen = upperCase(chosenName);
  if (currentName == chosen) return std::nullopt;
  std::optional<std::size_t> last;
  for (std::size_t i = 0; i < installedNames.size(); ++i)
    if (upperCase(installedNames[i]) == chosen) last = i;
  return last;
}

bool SettingAccepted(PrintSetting setting, int value, const PrinterCapabilities& caps) {
  switch (setting) {
  case PrintSetting::Copies:
    return value >= 1 && value <= std::max(1, caps.maxCopies);
  case PrintSetting::Duplex:
    return value == 1 || ((value == 2 || value == 3) && caps.duplex);
  case PrintSetting::Orientation:
    return value == 1 || value == 2;
  case PrintSetting::PaperSize:
    if (value <= 0) return false;
    return caps.paperSizes.empty() ||
           std::find(caps.paperSizes.begin(), caps.paperSizes.end(), value) != caps.paperSizes.end();
  }
  return false;
}

} // namespace orva
