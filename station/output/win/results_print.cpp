#include "station/output/win/results_print.h"

#include "station/output/print_layout.h"
#include "station/output/print_progress.h"
#include "station/output/results_file.h"
#include "station/output/win/output_files.h"
#include "station/output/win/printer.h"
#include "station/output/win/printer_dialog.h"
#include "station/output/win/printing_dialog.h"
#include "station/settings/text_table.h"
#include "winkit/files.h"
#include "winkit/message_box.h"
#include "winkit/text.h"

#include <cstring>
#include <optional>

namespace orva {
namespace {

constexpr char kJapaneseLanguage[] = "japanese";

void Tell(const PrintRequest& request, Text what, const std::string& call = {}) {
  std::string text = PickText(request.results.curLanguage, what);
  if (!call.empty()) text += " (" + call + ")";
  winkit::ShowMessageBox(request.owner, winkit::WideFromUtf8(text), winkit::WideFromUtf8(PickText(request.results.curLanguage, Text::MenuPrint)),
                 MB_OK | MB_ICONEXCLAMATION);
}

Text TextForFailedCall(const std::string& call) {
  if (call == "StartDoc") return Text::PrintJobRefused;
  if (call == "EndDoc") return Text::PrintJobNotSent;
  if (call == "StartPage" || call == "EndPage" || call == "TextOut") return Text::PrintPageFailed;
  return Text::PrinterNotOpened;
}

// The four settings of the dialog's answer, in this order; a value the
// printer does not take leaves its own.
void ApplySettings(Printer& printer, const PrinterMode& mode) {
  printer.SetCopies(mode.Short(printer_mode::Copies));
  printer.SetDuplex(mode.Short(printer_mode::Duplex));
  printer.SetOrientation(mode.Short(printer_mode::Orientation));
  printer.SetPaperSize(mode.Short(printer_mode::PaperSize));
}

// The box of the job being spooled, for the system's abort procedure, and
// the thread whose messages it pumps (the system may call the procedure
// from the thread that sends the document).
PrintingDialog* g_printingBox = nullptr;
DWORD g_printingThread = 0;

BOOL CALLBACK PumpWhileSpooling(HDC, int) {
  if (!g_printingBox || GetCurrentThreadId() != g_printingThread) return TRUE;
  return g_printingBox->Pump();
}

// Prints the copy with the printing box up: every turn of the page plan and
// every call of the abort procedure handles the waiting messages.
PrintOutcome PrintWithBox(const PrintRequest& request, Printer& printer, const PrintHead& head,
                          const std::string& printFile, double pageHeight) {
  const long limit = PageBreakLimit(pageHeight);
  const int pages = CountPages(head, printFile, limit, printer.LineHeightTwips());
  PrintingDialog box(request.owner, request.results.curLanguage,
                     PrintingWhatText(request.results.curLanguage, CountPrintLines(printFile), printer.DeviceName()),
                     request.font);
  g_printingBox = &box;
  g_printingThread = GetCurrentThreadId();
  printer.SetAbortProcedure(&PumpWhileSpooling);
  printer.SetPumpWhileSending([&box] { box.Pump(); });
  const PrintOutcome outcome = PrintJob(printer, head, printFile, limit, [&](int page) { return box.Turn(page, pages); });
  printer.SetPumpWhileSending({});
  g_printingBox = nullptr;
  return outcome;
}

} // namespace

void PrintResults(const PrintRequest& request) {
  const PrintCommandRunning running;
  const bool upToDate = !request.results.bringRunLogUpToDate || request.results.bringRunLogUpToDate();
  if (!winkit::FileExists(request.results.tempPath)) return;
  // What is printed is the run log as it stands now: readings that arrive
  // while the dialog is open go to the grid and the run log, not into this
  // printout.
  const std::optional<std::string> runLog = ReadWholeFile(request.results.tempPath);
  if (!runLog) {
    // Held by another program without sharing: there is nothing to print
    // from, so the operator is not asked for a printer.
    Tell(request, Text::RunLogNotRead);
    return;
  }

  if (!CurrentPrinter()) {
    Tell(request, Text::NoPrinter);
    return;
  }
  // The program may have been asked to close while the dialog was up.
  if (!ShowPrinterDialog(request.owner) || PrintCancelled()) return;
  Printer* printer = CurrentPrinter();
  if (!printer) return;
  ApplySettings(*printer, ModulePrinterMode());

  if (!WriteWholeFile(request.printPath, *runLog)) {
    Tell(request, Text::PrintFileNotWritten);
    return;
  }
  const std::optional<std::string> printFile = ReadWholeFile(request.printPath);
  if (!printFile) {
    Tell(request, Text::PrintFileNotWritten);
    return;
  }

  // The printer writes in the form font of the language; texts with
  // characters it lacks (a Japanese title on the English font) in the
  // Japanese one.
  printer->SetFont(FormFontSpec(request.results.curLanguage), FormFontSpec(kJapaneseLanguage));
  const double pageHeight = printer->PageHeightTwips();
  if (pageHeight <= 0) {
    Tell(request, Text::PrinterNotOpened, printer->FailedCall());
    printer->AbortDoc();
    return;
  }
  const PrintHead head{request.results.printTitle, LimitsLine(request.results.curLanguage, request.results.limitHigh,
                                                      request.results.limitLow, request.results.limitUnitMode)};
  const PrintOutcome outcome = PrintWithBox(request, *printer, head, winkit::Utf8FromAnsi(*printFile), pageHeight);
  // Cancelled by the operator: the job is gone, nothing more to say.
  if (outcome == PrintOutcome::Failed)
    Tell(request, TextForFailedCall(printer->FailedCall()), printer->FailedCall());
  else if (outcome == PrintOutcome::Sent && !upToDate)
    Tell(request, Text::PrintoutLacksReadings);
}

} // namespace orva
