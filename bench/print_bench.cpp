// Benchmark: a run log of N lines (default 10000) printed through the real
// print routine of the Print button, on the real Print dialog (confirmed from
// a second thread) and the default printer queue (a PDF queue), next to a
// plain copy of the same file on the same machine in the same run. Prints:
// confirmation -> EndDoc returned, confirmation -> PDF complete (the queue
// has no job left and the new file is there), the copy, and the ratios.
//
//   station_print_bench [N]   (the queue's folder in ORVA_PDF_OUT, as the
//                              test script sets it up)
#include "station/tests/e2e/pdf_output.h"
#include "station/output/win/results_print.h"
#include "tools/testsupport/print_dialog_driver.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

std::string TempFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "orva-print-bench-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

bool WriteRunLog(const std::string& path, int lines) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  for (int i = 1; i <= lines; ++i)
    std::fprintf(f, " %d,%05.2f,%05.2f,%s\r\n", i, 12.0 + (i % 17) * 0.07, 84.0 + (i % 13) * 0.3,
                 i % 7 == 0 ? "HIGH" : "GOOD");
  return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
  const e2e::PdfQueue queue = e2e::QueueFromEnvironment("ORVA_PDF_OUT");
  if (queue.unixFolder.empty()) {
    std::printf("ORVA_PDF_OUT is not set (scripts/bench-print.sh sets up the queues)\n");
    return 1;
  }
  const std::string folder = TempFolder();
  orva::PrintRequest request;
  // The title tells this print from others on the same queue.
  const std::string title = "Print benchmark " + std::to_string(GetCurrentProcessId());
  request.results = {"english", title, "13", "12", 0, folder + "\\temp.txt", {}}; // nothing owed
  request.printPath = folder + "\\print.txt";
  if (!WriteRunLog(request.results.tempPath, lines)) return 1;

  // The plain copy of the same file.
  const LARGE_INTEGER copyStart = Now();
  if (!CopyFileA(request.results.tempPath.c_str(), (folder + "\\copy.txt").c_str(), FALSE)) return 1;
  const double copySeconds = Seconds(copyStart, Now());

  const auto before = queue.Files();
  LARGE_INTEGER confirmed{};
  std::atomic<bool> shown{false};
  std::thread hand([&] {
    const HWND dialog = orva::testsupport::WaitForPrintDialog(GetCurrentProcessId(), 30000);
    if (!dialog) return;
    shown = true;
    confirmed = Now();
    orva::testsupport::ConfirmPrintDialog(dialog);
  });
  orva::PrintResults(request);
  const LARGE_INTEGER endDocReturned = Now();
  hand.join();
  if (!shown) {
    std::printf("no Print dialog\n");
    return 1;
  }
  // Complete: the queue holds no job any more and the new file reads.
  std::string name;
  for (;;) {
    if (e2e::RunUnix("! lpstat -o PDF | grep -q .", 10000)) {
      name = queue.WaitForNew(before, 1000, title);
      if (!name.empty()) break;
    }
    if (Seconds(confirmed, Now()) > 600) {
      std::printf("no PDF within 10 minutes\n");
      return 1;
    }
    Sleep(50);
  }
  const LARGE_INTEGER pdfDone = Now();
  const auto pdf = e2e::ReadPdf(queue, name);

  const double toEndDoc = Seconds(confirmed, endDocReturned), toPdf = Seconds(confirmed, pdfDone);
  std::printf("run log: %d lines; PDF %s, %d pages\n", lines, name.c_str(), pdf ? pdf->pages : -1);
  std::printf("plain copy of the run log:            %10.4f s\n", copySeconds);
  std::printf("confirmation -> EndDoc returned:      %10.4f s  (%.0f x the copy)\n", toEndDoc,
              toEndDoc / copySeconds);
  std::printf("confirmation -> PDF complete:         %10.4f s  (%.0f x the copy)\n", toPdf, toPdf / copySeconds);
  DeleteFileA(request.results.tempPath.c_str());
  DeleteFileA(request.printPath.c_str());
  DeleteFileA((folder + "\\copy.txt").c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
