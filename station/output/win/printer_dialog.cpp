#include "station/output/win/printer_dialog.h"

#include "station/output/win/printer.h"
#include "winkit/record_size.h"
#include "winkit/text.h"

#include <algorithm>
#include <commdlg.h>
#include <cstddef>
#include <cstring>

namespace orva {
namespace {

// The printer-settings fields the module-wide record shares with the
// system's layout.
static_assert(offsetof(DEVMODEA, dmSize) == printer_mode::Size);
static_assert(offsetof(DEVMODEA, dmFields) == printer_mode::Fields);
static_assert(offsetof(DEVMODEA, dmOrientation) == printer_mode::Orientation);
static_assert(offsetof(DEVMODEA, dmPaperSize) == printer_mode::PaperSize);
static_assert(offsetof(DEVMODEA, dmCopies) == printer_mode::Copies);
static_assert(offsetof(DEVMODEA, dmDuplex) == printer_mode::Duplex);
static_assert(offsetof(DEVMODEA, dmFormName) == printer_mode::FormName);
static_assert(sizeof(DEVNAMES) == kDevNamesHeader);

constexpr UINT kMovableZeroed = GMEM_MOVEABLE | GMEM_ZEROINIT; // 0x42
static_assert(kMovableZeroed == 0x42);

// A movable zero-filled block holding the bytes; null when it could not be
// made or locked (a lock that gives no usable address counts as failed).
HGLOBAL BlockWith(const void* bytes, size_t size) {
  HGLOBAL block = GlobalAlloc(kMovableZeroed, size);
  if (!block) return nullptr;
  void* at = GlobalLock(block);
  if (reinterpret_cast<INT_PTR>(at) <= 0) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(at, bytes, size);
  GlobalUnlock(block);
  return block;
}

void FreeBlock(HGLOBAL block) {
  if (block) GlobalFree(block);
}

std::string UpperCase(std::string_view ansi) {
  std::wstring wide = winkit::WideFromAnsi(ansi);
  if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return winkit::AnsiFromWide(wide);
}

} // namespace

PrinterMode& ModulePrinterMode() {
  static PrinterMode mode;
  return mode;
}

bool ShowPrinterDialog(HWND owner, DWORD flags) {
  Printer* current = CurrentPrinter();
  if (!current) return false;

  PRINTDLGA pd{};
  pd.lStructSize = winkit::RecordSize<PRINTDLGA, 66>();
  pd.hwndOwner = owner;
  pd.Flags = flags;

  PrinterMode& mode = ModulePrinterMode();
  PresetPrinterMode(mode, current->DeviceName(), current->Orientation(), current->Duplex());
  pd.hDevMode = BlockWith(mode.bytes.data(), mode.bytes.size());
  if (!pd.hDevMode) return false;

  const auto names = DevNamesRecord(current->DriverName(), current->DeviceName(), current->Port());
  if (names) pd.hDevNames = BlockWith(names->data(), names->size());
  if (!pd.hDevNames) {
    FreeBlock(pd.hDevMode);
    return false;
  }

  if (!PrintDlgA(&pd)) {
    FreeBlock(pd.hDevMode);
    FreeBlock(pd.hDevNames);
    return false;
  }

  FreeBlock(pd.hDevNames); // its content is not used
  if (pd.hDevMode) {
    if (const void* at = GlobalLock(pd.hDevMode)) {
      const size_t size = std::min<size_t>(GlobalSize(pd.hDevMode), mode.bytes.size());
      std::memcpy(mode.bytes.data(), at, size);
      GlobalUnlock(pd.hDevMode);
    }
    GlobalFree(pd.hDevMode);
  }

  // Upper case through UTF-16, so that trail bytes of multi-byte names are
  // never taken for letters.
  const std::vector<InstalledPrinter> installed = InstalledPrinters();
  std::vector<std::string> installedNames;
  for (const InstalledPrinter& p : installed) installedNames.push_back(p.device);
  if (const auto index = PrinterToMakeCurrent(current->DeviceName(), mode.DeviceName(), installedNames, UpperCase))
    MakeCurrentPrinter(installed[*index]);
  return true;
}

} // namespace orva
