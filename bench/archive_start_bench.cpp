// Benchmark: the longest stretch the real ORVA.exe goes without handling its
// messages while START keeps an ending run of N run-log lines (default
// 100,000) in the run archive, the simulator sending a reading every 30 ms:
// once with a local archive folder, once with one that cannot be reached.
// The stretch is measured as in the station-stretch benchmark (a probe
// thread's WM_NULL every 2 ms). Also the time until the kept run is in the
// archive folder, or waits in the spool.
//
//   station_archive_start_bench [N]
#include "bench/stretch_probe.h"
#include "station/tests/e2e/station_process.h"
#include "winkit/wait.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using winkit::MonotonicSeconds;

size_t FilesIn(const std::string& folder) {
  size_t count = 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.csv").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do ++count;
  while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

// One station: N lines measured, then START with the archive folder given.
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
  station.Click("cmdStart");
  if (!station.WaitForRunLogLines(static_cast<size_t>(lines), 900000)) {
    std::printf("the run log did not reach %d lines\n", lines);
    return false;
  }
  bench::StretchProbe probe(station.MainWindow());
  Sleep(1000);
  const double before = probe.TakeLongest();
  const double start = MonotonicSeconds();
  station.Click("cmdStart"); // keeps the run of N lines, then empties the run log
  const bool kept = e2e::Eventually(
      [&] { return FilesIn(reachable ? folder : station.PathOf("Spool")) == 1 && station.RunLogLines().size() < static_cast<size_t>(lines); },
      120000);
  const double keptAfter = MonotonicSeconds() - start;
  Sleep(1000);
  const double atStart = probe.TakeLongest();
  std::printf("%-22s readings alone %7.1f ms | START keeping %d lines %7.1f ms | run %s after %.2f s\n",
              reachable ? "local archive folder:" : "unreachable folder:", before, lines, atStart,
              !kept ? "NOT KEPT" : reachable ? "in the archive folder" : "waiting in the spool", keptAfter);
  station.Close();
  station.WaitForExit(30000);
  return kept;
}

} // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
  std::printf("longest stretch without message handling, a reading every 30 ms:\n");
  const bool local = Measure(lines, true);
  const bool unreachable = Measure(lines, false);
  return local && unreachable ? 0 : 1;
}
