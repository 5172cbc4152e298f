// The records the Print dialog is preset with and answers in, and the rules
// around them, without Windows types:
//  - PrinterMode: the module-wide 122-byte printer-settings record (the ANSI
//    printer-settings layout up to the form name, then the display fields in
//    their short form); the Win32 shell pins the offsets against DEVMODEA;
//  - the DEVNAMES record: four 16-bit offsets, then driver, device and port
//    names, each NUL-ended, in a zero-filled text area;
//  - which installed printer becomes current after the dialog;
//  - which of the four print settings a printer takes.
// Names are ANSI bytes, as the dialog's A functions give and take them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orva {

inline constexpr std::size_t kPrinterModeSize = 122;
inline constexpr std::size_t kDeviceNameSize = 32;
inline constexpr std::uint32_t kPresetFields = 0x1001; // orientation and duplex valid

// Byte offsets inside PrinterMode (the same as in the system's record).
namespace printer_mode {
inline constexpr std::size_t DeviceName = 0, SpecVersion = 32, DriverVersion = 34, Size = 36,
                             DriverExtra = 38, Fields = 40, Orientation = 44, PaperSize = 46,
                             Copies = 54, Duplex = 62, FormName = 70;
} // namespace printer_mode

struct PrinterMode {
  std::array<std::uint8_t, kPrinterModeSize> bytes{};

  std::int16_t Short(std::size_t offset) const;
  void SetShort(std::size_t offset, std::int16_t value);
  std::uint32_t Long(std::size_t offset) const;
  void SetLong(std::size_t offset, std::uint32_t value);
  // The device name up to its first NUL (at most 32 bytes).
  std::string DeviceName() const;
};

// Presets the record before the dialog: the device name padded with NULs or
// cut to 32 bytes, dmSize 122, dmFields 0x1001, the orientation and, when it
// could be read, the duplex setting (else the field keeps its value). Every
// other byte keeps what the last dialog left there.
void PresetPrinterMode(PrinterMode& mode, std::string_view deviceName, std::int16_t orientation,
                       std::optional<std::int16_t> duplex);

inline constexpr std::size_t kDevNamesHeader = 8;   // four 16-bit offsets
inline constexpr std::size_t kDevNamesTextSize = 100;
inline constexpr std::size_t kDevNamesMinSize = kDevNamesHeader + kDevNamesTextSize; // 108

// The DEVNAMES block: driver offset 8, device offset 8 + 1 + driver bytes,
// output offset device offset + 1 + device bytes, default flag 0. Offsets
// count bytes, so multi-byte characters of the ANSI code page are counted
// as the bytes they take. The block is 108 bytes, or longer when the three
// names with their NULs do not fit the 100-byte text area; offsets beyond
// 16 bits give nothing.
std::optional<std::vector<std::uint8_t>> DevNamesRecord(std::string_view driver,
                                                        std::string_view device,
                                                        std::string_view port);

// After the dialog: when the current printer's name differs from the chosen
// name (upper case), every installed printer whose name in upper case equals
// it becomes current in turn, so the last match wins. The index of the new
// current printer, or nothing to keep the current one.
std::optional<std::size_t> PrinterToMakeCurrent(
    std::string_view currentName, std::string_view chosenName,
    const std::vector<std::string>& installedNames,
    const std::function<std::string(std::string_view)>& upperCase);

// What a printer says it can do, for the four settings of a print.
struct PrinterCapabilities {
  int maxCopies = 1;
  bool duplex = false;
  std::vector<std::int16_t> paperSizes; // empty: the printer lists none
};

enum class PrintSetting { Copies, Duplex, Orientation, PaperSize };

// Whether the printer takes the value; a value it does not take leaves the
// printer's own value in place.
bool SettingAccepted(PrintSetting setting, int value, const PrinterCapabilities& caps);

} // namespace orva
