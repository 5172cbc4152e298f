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
#include "winkit/handle.h"
#include "winkit/message_box.h"
#include "winkit/text.h"

#include <atomic>
#include <cstring>
#include <optional>
#include <thread>

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

// The document's abort procedure: the system asks it while it spools
// whether to go on.
BOOL CALLBACK GoOnUnlessCancelled(HDC, int) { return PrintCancelled() ? FALSE : TRUE; }

// Prints the copy on a thread of its own, while this thread shows the
// printing box and goes on handling the program's messages: a reading
// arrives and is handled as at any other time, however long the printer's
// calls take (the first text of a page can take tens of milliseconds).
// The job asks before every text whether to go on, so Cancel ends it at once.
PrintOutcome PrintWithBox(const PrintRequest& request, Printer& printer, const PrintHead& head,
                          const std::string& printFile, double pageHeight) {
  const long limit = PageBreakLimit(pageHeight);
  const int pages = CountPages(head, printFile, limit, printer.LineHeightTwips());
  PrintingDialog box(request.owner, request.results.curLanguage,
                     PrintingWhatText(request.results.curLanguage, CountPrintLines(printFile), printer.DeviceName()),
                     request.font);
  printer.SetAbortProcedure(&GoOnUnlessCancelled);
  const winkit::UniqueHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::atomic<int> page{0};
  PrintOutcome outcome = PrintOutcome::Failed;
  std::thread job([&] {
    outcome = PrintJob(printer, head, printFile, limit, [&](int now) {
      page = now;
      return !PrintCancelled();
    });
    SetEvent(done.Get());
  });
  box.ServeUntil(done.Get(), [&] { return page.load(); }, pages);
  job.join();
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
  if (request.jobStarting) request.jobStarting();
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
