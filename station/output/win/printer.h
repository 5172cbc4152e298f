// The printer object of the station: a GDI printer DC behind the few
// properties the print routine uses. Positions are twips from the top-left
// corner of the printable area, converted with the printer's own pixels per
// inch; every print ends the line (x back to 0, y down by the font's line
// height). The DC is made when first needed, with the settings given until
// then; the document starts at the first output, as on a printer object.
// Names are ANSI, as the spooler's A functions give them.
#pragma once

#include "station/output/print_layout.h"
#include "station/settings/fonts.h"
#include "winkit/selected_object.h"
#include "winkit/twips.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace orva {

struct InstalledPrinter {
  std::string device, driver, port;
};

// The printers the spooler knows, and the system's default printer, behind
// one seam so tests can stand for a PC without printers.
struct PrinterSource {
  std::vector<InstalledPrinter> (*installed)();
  std::optional<InstalledPrinter> (*defaultPrinter)();
};
std::vector<InstalledPrinter> InstalledPrinters();
std::optional<InstalledPrinter> DefaultPrinter();
// Replaces the source; {nullptr, nullptr} restores the spooler's. Returns the
// one in place before.
PrinterSource SetPrinterSource(PrinterSource source);

class Printer final : public PrintDevice {
public:
  explicit Printer(InstalledPrinter which);
  ~Printer() override; // an open document is aborted
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  const std::string& DeviceName() const { return which_.device; }
  const std::string& DriverName() const { return which_.driver; }
  const std::string& Port() const { return which_.port; }

  std::int16_t Orientation() const;
  // Nothing when the printer's settings carry no duplex field.
  std::optional<std::int16_t> Duplex() const;

  // Each returns false and keeps the printer's own value when the printer
  // does not take the value.
  bool SetCopies(int copies);
  bool SetDuplex(int duplex);
  bool SetOrientation(int orientation);
  bool SetPaperSize(int paperSize);

  // The font made when the DC is made, and the one a text is printed in
  // when the first lacks some of its characters (Japanese in a title typed
  // on a Latin font, say); lines keep the first font's height.
  void SetFont(const FontSpec& font, const FontSpec& fallback) {
    font_ = font;
    fallback_ = fallback;
  }
  // Height of the printable area in twips; 0 when the printer cannot be opened.
  double PageHeightTwips();
  // Height of one text line in the font, in twips; 0 when the printer cannot be opened.
  double LineHeightTwips() { return OpenDc() ? lineHeight_ : 0; }
  // The document's abort procedure: the system calls it while it spools
  // the pages to ask whether to go on. Given before the first output; kept
  // for later documents.
  void SetAbortProcedure(ABORTPROC proc);

  // PrintTarget / PrintDevice.
  void SetCurrentX(double twips) override { x_ = twips; }
  void SetCurrentY(double twips) override { y_ = twips; }
  double CurrentX() const { return x_; }
  double CurrentY() const override { return y_; }
  bool PrintLine(std::string_view utf8) override;
  bool NewPage() override;
  bool EndDoc() override;
  void AbortDoc() override;

  // The platform call that failed last ("CreateDC", "StartDoc", ...), or "".
  const std::string& FailedCall() const { return failedCall_; }

private:
  bool Fail(const char* call);
  bool OpenDc();
  bool StartDocument();
  void CloseDc();
  DEVMODEA* Mode();
  const DEVMODEA* Mode() const;
  bool Apply(int setting, int value);
  HFONT MakeFont(const FontSpec& font) const;
  bool FontLacksCharacters(const std::wstring& text) const;

  InstalledPrinter which_;
  ABORTPROC abortProc_ = nullptr;
  std::vector<BYTE> mode_; // the printer's settings, as its driver gives them
  FontSpec font_{"arial", 9, false};
  FontSpec fallback_{"arial", 9, false};
  HFONT hfallback_ = nullptr;
  HDC dc_ = nullptr;
  HFONT hfont_ = nullptr;
  std::optional<winkit::SelectedFor> fontSelection_; // hfont_ in dc_, while it is open
  winkit::Dpi dpi_{0, 0}; // the printer's own pixels per inch
  double lineHeight_ = 0; // twips
  bool docOpen_ = false, pageOpen_ = false;
  double x_ = 0, y_ = 0;
  std::string failedCall_;
};

// The current printer of the program: the system's default printer from
// the first use on, until the Print dialog chooses another. Null when no
// printer is installed (looked for again at the next call).
Printer* CurrentPrinter();
void MakeCurrentPrinter(const InstalledPrinter& which);
// Forgets the current printer, so the next call takes the default again.
void ResetCurrentPrinter();

} // namespace orva
