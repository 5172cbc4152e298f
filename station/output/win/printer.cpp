#include "station/output/win/printer.h"

#include "installer/common/program_names.h"
#include "station/output/printer_records.h"
#include "winkit/text.h"
#include "winkit/twips.h"

#include <winspool.h>

namespace orva {
namespace {


std::string Text(const char* s) { return s ? s : ""; }

std::vector<InstalledPrinter> SpoolerPrinters() {
  constexpr DWORD kinds = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0, count = 0;
  EnumPrintersA(kinds, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<InstalledPrinter> printers;
  if (needed == 0) return printers;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersA(kinds, nullptr, 2, buffer.data(), needed, &needed, &count)) return printers;
  const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    printers.push_back({Text(info[i].pPrinterName), Text(info[i].pDriverName), Text(info[i].pPortName)});
  return printers;
}

std::optional<InstalledPrinter> SpoolerDefault() {
  char name[512] = {};
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return std::nullopt;
  for (const InstalledPrinter& p : InstalledPrinters())
    if (p.device == name) return p;
  return std::nullopt;
}

PrinterSource& Source() {
  static PrinterSource source{SpoolerPrinters, SpoolerDefault};
  return source;
}

std::unique_ptr<Printer>& Current() {
  static std::unique_ptr<Printer> current;
  return current;
}

} // namespace

std::vector<InstalledPrinter> InstalledPrinters() { return Source().installed(); }
std::optional<InstalledPrinter> DefaultPrinter() { return Source().defaultPrinter(); }

PrinterSource SetPrinterSource(PrinterSource source) {
  const PrinterSource before = Source();
  Source() = source.installed && source.defaultPrinter ? source : PrinterSource{SpoolerPrinters, SpoolerDefault};
  return before;
}

Printer::Printer(InstalledPrinter which) : which_(std::move(which)) {
  HANDLE printer = nullptr;
  if (!OpenPrinterA(const_cast<char*>(which_.device.c_str()), &printer, nullptr)) return;
  const LONG size = DocumentPropertiesA(nullptr, printer, const_cast<char*>(which_.device.c_str()), nullptr,
                                        nullptr, 0);
  if (size >= static_cast<LONG>(sizeof(DEVMODEA))) {
    mode_.assign(static_cast<size_t>(size), 0);
    if (DocumentPropertiesA(nullptr, printer, const_cast<char*>(which_.device.c_str()), Mode(), nullptr,
                            DM_OUT_BUFFER) != IDOK)
      mode_.clear();
  }
  ClosePrinter(printer);
}

Printer::~Printer() { AbortDoc(); CloseDc(); }

DEVMODEA* Printer::Mode() { return mode_.empty() ? nullptr : reinterpret_cast<DEVMODEA*>(mode_.data()); }
const DEVMODEA* Printer::Mode() const {
  return mode_.empty() ? nullptr : reinterpret_cast<const DEVMODEA*>(mode_.data());
}

std::int16_t Printer::Orientation() const {
  const DEVMODEA* m = Mode();
  return m && (m->dmFields & DM_ORIENTATION) ? m->dmOrientation : static_cast<std::int16_t>(DMORIENT_PORTRAIT);
}

std::optional<std::int16_t> Printer::Duplex() const {
  const DEVMODEA* m = Mode();
  if (!m || !(m->dmFields & DM_DUPLEX)) return std::nullopt;
  return m->dmDuplex;
}

bool Printer::Apply(int setting, int value) {
  DEVMODEA* m = Mode();
  if (!m || docOpen_) return false;
  const char* device = which_.device.c_str();
  const char* port = which_.port.c_str();
  PrinterCapabilities caps;
  caps.maxCopies = DeviceCapabilitiesA(device, port, DC_COPIES, nullptr, m);
  caps.duplex = DeviceCapabilitiesA(device, port, DC_DUPLEX, nullptr, m) == 1;
  const int papers = DeviceCapabilitiesA(device, port, DC_PAPERS, nullptr, m);
  if (papers > 0) {
    std::vector<WORD> list(static_cast<size_t>(papers));
    if (DeviceCapabilitiesA(device, port, DC_PAPERS, reinterpret_cast<char*>(list.data()), m) == papers)
      caps.paperSizes.assign(list.begin(), list.end());
  }
  const auto kind = static_cast<PrintSetting>(setting);
  if (!SettingAccepted(kind, value, caps)) return false;
  const auto v = static_cast<short>(value);
  switch (kind) {
  case PrintSetting::Copies: m->dmCopies = v; m->dmFields |= DM_COPIES; break;
  case PrintSetting::Duplex: m->dmDuplex = v; m->dmFields |= DM_DUPLEX; break;
  case PrintSetting::Orientation: m->dmOrientation = v; m->dmFields |= DM_ORIENTATION; break;
  case PrintSetting::PaperSize: m->dmPaperSize = v; m->dmFields |= DM_PAPERSIZE; break;
  }
  if (dc_ && !ResetDCA(dc_, m)) return Fail("ResetDC");
  return true;
}

bool Printer::SetCopies(int copies) { return Apply(static_cast<int>(PrintSetting::Copies), copies); }
bool Printer::SetDuplex(int duplex) { return Apply(static_cast<int>(PrintSetting::Duplex), duplex); }
bool Printer::SetOrientation(int orientation) {
  return Apply(static_cast<int>(PrintSetting::Orientation), orientation);
}
bool Printer::SetPaperSize(int paperSize) { return Apply(static_cast<int>(PrintSetting::PaperSize), paperSize); }

bool Printer::Fail(const char* call) {
  failedCall_ = call;
  return false;
}

bool Printer::OpenDc() {
  if (dc_) return true;
  dc_ = CreateDCA("WINSPOOL", which_.device.c_str(), nullptr, Mode());
  if (!dc_) return Fail("CreateDC");
  if (abortProc_) SetAbortProc(dc_, abortProc_);
  dpi_ = winkit::DeviceDpi(dc_);
  if (dpi_.x <= 0 || dpi_.y <= 0) {
    CloseDc();
    return Fail("GetDeviceCaps");
  }
  hfont_ = MakeFont(font_);
  fontSelection_.emplace(dc_, hfont_);
  SetBkMode(dc_, TRANSPARENT);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc_, &tm);
  lineHeight_ = winkit::PixelsToTwips(tm.tmHeight + tm.tmExternalLeading, dpi_.y);
  return true;
}

HFONT Printer::MakeFont(const FontSpec& font) const {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(font.points, dpi_.y, 72);
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  const std::wstring face = winkit::WideFromUtf8(font.face);
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&lf);
}

bool Printer::FontLacksCharacters(const std::wstring& text) const {
  std::vector<WORD> glyphs(text.size());
  if (GetGlyphIndicesW(dc_, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                       GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
    return false;
  for (WORD g : glyphs)
    if (g == 0xFFFF) return true;
  return false;
}

void Printer::CloseDc() {
  if (dc_) {
    fontSelection_.reset();
    DeleteDC(dc_);
  }
  if (hfont_) DeleteObject(hfont_);
  if (hfallback_) DeleteObject(hfallback_);
  dc_ = nullptr;
  hfont_ = nullptr;
  hfallback_ = nullptr;
}

void Printer::SetAbortProcedure(ABORTPROC proc) {
  abortProc_ = proc;
  if (dc_ && proc) SetAbortProc(dc_, proc);
}

double Printer::PageHeightTwips() {
  if (!OpenDc()) return 0;
  return winkit::PixelsToTwips(GetDeviceCaps(dc_, VERTRES), dpi_.y);
}

bool Printer::StartDocument() {
  if (!docOpen_) {
    if (!OpenDc()) return false;
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = kDefaultMessageTitle; // the job carries the program's name
    if (StartDocW(dc_, &info) <= 0) return Fail("StartDoc");
    docOpen_ = true;
  }
  if (!pageOpen_) {
    if (StartPage(dc_) <= 0) return Fail("StartPage");
    pageOpen_ = true;
  }
  return true;
}

bool Printer::PrintLine(std::string_view utf8) {
  if (!StartDocument()) return false;
  if (!utf8.empty()) {
    const std::wstring text = winkit::WideFromUtf8(utf8);
    const bool fallback = FontLacksCharacters(text) && (hfallback_ || (hfallback_ = MakeFont(fallback_)));
    const winkit::SelectedFor fallbackFont(dc_, fallback ? hfallback_ : nullptr);
    const BOOL printed = TextOutW(dc_, winkit::TwipsToPixels(x_, dpi_.x), winkit::TwipsToPixels(y_, dpi_.y), text.c_str(), static_cast<int>(text.size()));
    if (!printed) return Fail("TextOut");
  }
  x_ = 0;
  y_ += lineHeight_;
  return true;
}

bool Printer::NewPage() {
  if (!StartDocument()) return false;
  if (EndPage(dc_) <= 0) return Fail("EndPage");
  pageOpen_ = false; // the next page begins at its first output
  x_ = y_ = 0;
  return true;
}

bool Printer::EndDoc() {
  if (!docOpen_) return true; // nothing was printed
  if (pageOpen_) {
    if (EndPage(dc_) <= 0) return Fail("EndPage");
    pageOpen_ = false;
  }
  if (::EndDoc(dc_) <= 0) return Fail("EndDoc");
  docOpen_ = false;
  CloseDc();
  x_ = y_ = 0;
  return true;
}

void Printer::AbortDoc() {
  if (docOpen_) ::AbortDoc(dc_);
  docOpen_ = pageOpen_ = false;
  CloseDc();
  x_ = y_ = 0;
}

Printer* CurrentPrinter() {
  if (!Current()) {
    std::optional<InstalledPrinter> which = DefaultPrinter();
    if (!which) {
      const std::vector<InstalledPrinter> all = InstalledPrinters();
      if (!all.empty()) which = all.front();
    }
    if (which) Current() = std::make_unique<Printer>(*which);
  }
  return Current().get();
}

void MakeCurrentPrinter(const InstalledPrinter& which) { Current() = std::make_unique<Printer>(which); }

void ResetCurrentPrinter() { Current().reset(); }

} // namespace orva
