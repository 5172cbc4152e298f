// Benchmark: the longest stretch the real ORVA.exe goes without handling its
// messages while START keeps an ending run of N run-log lines (default
// 100,000) in the run archive: once with a local archive folder, once with
// one that cannot be reached. The run is a burst of N readings, then one
// every 30 ms until STOP; the next run's burst begins right after START, so
// readings arrive back to back while the run is kept.
// The stretch is measured as in the station-stretch benchmark (a probe
// thread's WM_NULL every 2 ms). Also the time until the kept run is in the
// archive folder, or waits in the spool.
//
//   station_archive_start_bench [N]
#include "bench/stretch_probe.h"
#include "station/tests/e2e/station_process.h"
#include "tools/testsupport/test_files.h"
#include "winkit/wait.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using winkit::MonotonicSeconds;

size_t LinesOf(const std::string& bytes) { return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')); }

// The one results file in `folder` ("" when there is not exactly one).
std::string OnlyRunIn(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.csv").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return "";
  const std::string name = found.cFileName;
  const bool more = FindNextFileA(search, &found);
  FindClose(search);
  return more ? "" : orva::testsupport::ReadWholeFile(folder + "\\" + name);
}

// One station: a burst of N readings, then one every 30 ms; STOP, and START
// with the archive folder given. The next run's burst begins at once.
bool Measure(int lines, bool reachable) {
  e2e::KillSimulators();
  e2e::StationProcess station("burst = " + std::to_string(lines) + "\r\nrate = 33.3\r\n");
  const std::string folder = reachable ? station.PathOf("Runs") : "\\\\no-such-server\\belts\\Runs";
  if (reachable) CreateDirectoryA(folder.c_str(), nullptr);
  station.WriteFile("ORVA.ini", "[Limit]\r\nLimitMode=N\r\nLow=12\r\nHigh=13\r\n[SaveType]\r\nNeglectHighLow=false\r\n"
                                "[Archive]\r\nKeepEveryRun=1\r\nFolder=" + folder + "\r\n");
  if (!station.Start().hProcess || !station.WaitForMainWindow(30000) ||
      !e2e::Eventually([&] { return station.Text("lblExe") == L"Exe Run"; }, 30000)) {
    std::printf("the station did not start\n");
    return false;
  }
  const double burst = MonotonicSeconds();
  station.Click("cmdStart");
  if (!station.WaitForRunLogLines(static_cast<size_t>(lines), 1800000)) {
    std::printf("the run log did not reach %d lines\n", lines);
    return false;
  }
  const double burstTook = MonotonicSeconds() - burst;
  bench::StretchProbe probe(station.MainWindow());
  Sleep(1000);
  const double before = probe.TakeLongest();
  station.Click("cmdEnd");
  if (!e2e::Eventually([&] { return station.Enabled("cmdStart"); }, 30000)) {
    std::printf("STOP did not end the run\n");
    return false;
  }
  // Readings still on their way at STOP may join the run: it is kept with
  // at least the lines seen here.
  const size_t runLines = station.RunLogLines().size();
  probe.TakeLongest();
  const double start = MonotonicSeconds();
  station.Click("cmdStart"); // keeps the ending run, then empties the run log
  const std::string where = reachable ? folder : station.PathOf("Spool");
  std::string kept;
  e2e::Eventually([&] { return !(kept = OnlyRunIn(where)).empty() && LinesOf(kept) >= runLines + 3; }, 120000);
  const double keptAfter = MonotonicSeconds() - start;
  Sleep(1000);
  const double atStart = probe.TakeLongest();
  const bool whole = LinesOf(kept) >= runLines + 3;
  const size_t keptLines = whole ? LinesOf(kept) - 3 : 0;
  std::printf("%-22s burst of %d in %.0f s | readings alone %7.1f ms | START keeping %zu lines %7.1f ms | run %s after %.2f s\n",
              reachable ? "local archive folder:" : "unreachable folder:", lines, burstTook, before, keptLines, atStart,
              !whole ? "NOT KEPT" : reachable ? "in the archive folder" : "waiting in the spool", keptAfter);
  station.Close();
  station.WaitForExit(30000);
  return whole;
}

} // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
  std::printf("longest stretch without message handling:\n");
  const bool local = Measure(lines, true);
  const bool unreachable = Measure(lines, false);
  return local && unreachable ? 0 : 1;
}
