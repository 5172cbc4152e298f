// Benchmark: how long the real ORVA.exe goes without handling its messages
// on the operator's long paths, with the simulator sending a reading every
// 30 ms: start-up, a printout of N run-log lines (default 10000), saving
// them, the run log catching up after another program held it, shutdown.
// A probe thread sends WM_NULL to the station's main window every 2 ms; the
// time a send waits is how long the station went without taking messages,
// and the longest wait of a phase is its longest stretch. For the printout
// it also counts the readings handled while the printing box was up.
//
//   station_stretch_bench [N]   (the PDF queue's folder in ORVA_PDF_OUT, as
//                                scripts/bench-print.sh sets it up)
#include "station/tests/e2e/pdf_output.h"
#include "station/tests/e2e/station_process.h"
#include "tools/testsupport/print_dialog_driver.h"
#include "bench/stretch_probe.h"
#include "winkit/wait.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace ts = orva::testsupport;

namespace {

using winkit::MonotonicSeconds;
using bench::StretchProbe;

const char kIni[] = "[Limit]\r\nLimitMode=N\r\nLow=12\r\nHigh=13\r\n[Print]\r\nTitle=Stretch benchmark\r\n"
                    "[SaveType]\r\nNeglectHighLow=false\r\n";

} // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
  const e2e::PdfQueue queue = e2e::QueueFromEnvironment("ORVA_PDF_OUT");
  if (queue.unixFolder.empty()) {
    std::printf("ORVA_PDF_OUT is not set (scripts/bench-print.sh sets up the queue)\n");
    return 1;
  }
  e2e::KillSimulators();
  // The burst fills the run log; then a reading every 30 ms, sent.
  e2e::StationProcess station("burst = " + std::to_string(lines) + "\r\nrate = 33.3\r\n");
  station.WriteFile("ORVA.ini", kIni);
  if (!station.Start().hProcess || !station.WaitForMainWindow(30000)) {
    std::printf("the station did not start\n");
    return 1;
  }
  StretchProbe probe(station.MainWindow());
  if (!e2e::Eventually([&] { return station.Text("lblExe") == L"Exe Run"; }, 30000)) return 1;
  Sleep(500);
  const double startup = probe.TakeLongest();

  station.Click("cmdStart");
  if (!station.WaitForRunLogLines(static_cast<size_t>(lines) + 30, 600000)) {
    std::printf("the run log did not reach %d lines\n", lines);
    return 1;
  }
  probe.TakeLongest();

  // The printout of the run log as it stands, the readings flowing on.
  const auto before = queue.Files();
  station.Click("cmdPrint");
  const HWND dialog = ts::WaitForPrintDialog(station.ProcessId(), 30000);
  if (!dialog) return 1;
  probe.TakeLongest(); // the Print dialog's own opening is the platform's
  ts::ConfirmPrintDialog(dialog);
  const HWND box = ts::WaitForPrintingBox(station.ProcessId(), 30000);
  if (!box) return 1;
  const double boxShown = MonotonicSeconds();
  const size_t sentAtBox = station.CountSimulatorLog("notify 0x46B");
  const size_t loggedAtBox = station.RunLogLines().size();
  if (!ts::WaitUntilGone(box, 600000)) return 1;
  const double printSeconds = MonotonicSeconds() - boxShown;
  const double print = probe.TakeLongest();
  const size_t sentDuring = station.CountSimulatorLog("notify 0x46B") - sentAtBox;
  const size_t loggedDuring = station.RunLogLines().size() - loggedAtBox;
  const std::string pdf = queue.WaitForNew(before, 600000, "Stretch");

  // Saving the same run.
  probe.TakeLongest();
  const double saveStart = MonotonicSeconds();
  const bool saved = station.SaveResultsAs("stretch-results.csv", 60000) &&
                     e2e::Eventually([&] { return station.FileExists("stretch-results.csv"); }, 60000);
  Sleep(500);
  const double saveSeconds = MonotonicSeconds() - saveStart;
  const double save = probe.TakeLongest();

  // The run log held by another program for 10 s, then let go.
  const size_t sentBeforeHold = station.CountSimulatorLog("notify 0x46B");
  HANDLE held = CreateFileA(station.PathOf("temp.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  // The station says once that the run log cannot be written; the operator confirms.
  const auto told = e2e::WaitForMessageBox(station.ProcessId(), 10000);
  if (told.window) e2e::PressMessageBoxButton(told.window, L"OK");
  Sleep(10000);
  const size_t owed = station.CountSimulatorLog("notify 0x46B") - sentBeforeHold;
  probe.TakeLongest();
  CloseHandle(held);
  Sleep(2000);
  const double catchUp = probe.TakeLongest();

  // Shutdown: STOP, then close.
  station.Click("cmdEnd");
  Sleep(500);
  probe.TakeLongest();
  const double closeStart = MonotonicSeconds();
  station.Close();
  DWORD code = 0;
  station.WaitForExit(30000, &code);
  const double shutdownSeconds = MonotonicSeconds() - closeStart;
  probe.Stop();
  const double shutdown = probe.TakeLongest();

  std::printf("run log: %d lines before the printout; a reading every 30 ms throughout\n", lines);
  std::printf("longest stretch without message handling:\n");
  std::printf("  start-up (window shown to link up)     %8.1f ms\n", startup);
  std::printf("  printout, box up %.1f s (PDF %s)        %8.1f ms\n", printSeconds, pdf.empty() ? "missing" : "written",
              print);
  std::printf("  saving the run, %.1f s%s                 %8.1f ms\n", saveSeconds, saved ? "" : " (FAILED)", save);
  std::printf("  run log catching up, %zu lines owed       %8.1f ms\n", owed, catchUp);
  std::printf("  shutdown, %.1f s                          %8.1f ms\n", shutdownSeconds, shutdown);
  std::printf("readings while the printing box was up: %zu sent, %zu handled\n", sentDuring, loggedDuring);
  return 0;
}
