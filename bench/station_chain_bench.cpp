// Benchmark: N readings through the real chain (simulator -> meterlink.dll ->
// ORVA.exe grid and run log, NeglectHighLow "false"), next to the bare cost
// of one run-log line's open-append-close on the same machine.
//
//   station_chain_bench [N] [statistics]
//       N defaults to 10000; run with the program folder as current
//       directory, like the tests. "statistics" opens Tool > Statistics
//       before START, so its window follows the whole run. The station's
//       memory is given at START and at the end.
#include "station/main_controls.h"
#include "station/tests/e2e/station_process.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

// The same work the station does per kept reading: open for append, write
// one line, close.
double BareAppendSeconds(const std::string& path, int n) {
  DeleteFileA(path.c_str());
  const LARGE_INTEGER start = Now();
  for (int i = 1; i <= n; ++i) {
    FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) return -1;
    std::fprintf(f, " %d,12.50,85.00,GOOD\r\n", i);
    std::fclose(f);
  }
  const double seconds = Seconds(start, Now());
  DeleteFileA(path.c_str());
  return seconds;
}

// Every line numbered 1..n in order.
bool NumberedInOrder(const std::vector<std::string>& lines, size_t n) {
  if (lines.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::atol(lines[i].c_str()) != static_cast<long>(i + 1)) return false;
  return true;
}

// Memory committed to the process (its page-file usage), in MB.
double CommittedMegabytes(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
    return -1;
  return static_cast<double>(counters.PagefileUsage) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 10000;
  const bool statistics = argc > 2 && std::string(argv[2]) == "statistics";
  double memoryAtStart = 0, memoryAtEnd = 0;
  e2e::KillSimulators();
  double chainSeconds = 0;
  bool complete = false;
  {
    e2e::StationProcess station("rate = 0\r\nburst = " + std::to_string(n) + "\r\n");
    station.WriteFile("ORVA.ini", "[Limit]\r\nLimitMode=N\r\nLow=12\r\nHigh=13\r\n"
                                  "[SaveType]\r\nNeglectHighLow=false\r\n");
    const HANDLE process = station.Start().hProcess;
    if (!process || !station.WaitForMainWindow(30000)) {
      std::fprintf(stderr, "ORVA.exe did not come up\n");
      return 1;
    }
    if (statistics)
      PostMessageW(station.MainWindow(), WM_COMMAND, orva::MenuCommandId(orva::MainMenu::Statistics), 0);
    Sleep(1000); // the link is started; START must find the handler running
    memoryAtStart = CommittedMegabytes(process);
    const LARGE_INTEGER start = Now();
    station.Click("cmdStart");
    complete = station.WaitForRunLogLines(static_cast<size_t>(n), 600000);
    chainSeconds = Seconds(start, Now());
    complete = complete && NumberedInOrder(station.RunLogLines(), static_cast<size_t>(n));
    memoryAtEnd = CommittedMegabytes(process);
    station.Close();
    station.WaitForExit(20000);
  }
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const double bare = BareAppendSeconds(std::string(temp) + "orva-bench-append.txt", n);

  std::printf("statistics window          : %s\n", statistics ? "open" : "closed");
  std::printf("readings through the chain : %d (%s)\n", n, complete ? "all logged, numbered 1..N" : "LOST READINGS");
  std::printf("chain time                 : %.3f s\n", chainSeconds);
  std::printf("readings per second        : %.0f\n", n / chainSeconds);
  std::printf("cost per reading           : %.1f us\n", chainSeconds / n * 1e6);
  std::printf("bare open-append-close     : %.1f us per line\n", bare / n * 1e6);
  std::printf("ratio chain / bare append  : %.2f\n", (chainSeconds / n) / (bare / n));
  std::printf("station committed memory  : %.1f MB at START, %.1f MB after the run\n", memoryAtStart, memoryAtEnd);
  return complete ? 0 : 1;
}
