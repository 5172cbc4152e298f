// Benchmark: N readings through the real chain (simulator -> meterlink.dll ->
// ORVA.exe grid and run log, NeglectHighLow "false"), set against its floor
// measured in the same run: the link's own round trip (this program as the
// link's only client) plus one run-log line's open-append-close.
//
//   station_chain_bench [N] [statistics]
//       N defaults to 10000; run with the program folder as current
//       directory, like the tests. "statistics" opens Tool > Statistics
//       before START, so its window follows the whole run.
//
// The run log is watched from outside while the run goes on (its last line,
// every few milliseconds), so the cost per reading is given for the grid's
// first pass and for the readings after it has wrapped, and the station's
// memory at START, at 10,000 and 100,000 readings and at the end.
#include "devlink/link_block.h"
#include "devlink/meterlink_api.h"
#include "station/main_controls.h"
#include "station/tests/e2e/station_process.h"
#include "tools/testsupport/sim_process.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

LONGLONG Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

double Seconds(LONGLONG ticks) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(ticks) / static_cast<double>(f.QuadPart);
}

// ---- the floor ---------------------------------------------------------------

// The link alone: this program's window takes the readings the simulator
// sends, fetching each with USBReceiveRead and doing nothing else.
struct LinkProbe {
  devlink::USBReceiveReadFn receiveRead = nullptr;
  std::vector<LONGLONG> arrivals;
};
LinkProbe probe;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == devlink::kNotifyReading) {
    devlink::LinkReceive receive;
    probe.receiveRead(&receive, 0);
    probe.arrivals.push_back(Now());
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

template <typename Fn> Fn Bind(HMODULE library, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Mean round trip per reading over a burst of n (the first 100 left out as
// the start-up's), in seconds; -1 when the link did not deliver.
double LinkRoundTripSeconds(int n) {
  const orva::testsupport::ScenarioEnv scenario("rate = 0\r\nburst = " + std::to_string(n) + "\r\n");

  double result = -1;
  if (HMODULE library = LoadLibraryA(devlink::kLibraryName)) {
    probe.receiveRead = Bind<devlink::USBReceiveReadFn>(library, "USBReceiveRead");
    const auto start = Bind<devlink::USBStartFn>(library, "USBStart");
    const auto stop = Bind<devlink::USBStopFn>(library, "USBStop");
    const auto deviceStart = Bind<devlink::DeviceStartFn>(library, "DeviceStart");
    const auto deviceStop = Bind<devlink::DeviceStopFn>(library, "DeviceStop");
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ChainBenchLinkProbe";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    const devlink::LinkParams params{static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)), 1,
                                     devlink::kParam3, devlink::kParam4};
    devlink::LinkStatus status;
    probe.arrivals.reserve(static_cast<size_t>(n));
    if (start && probe.receiveRead && start(&params, &status) == 0 && deviceStart(&params, &status) == 0) {
      const DWORD begun = GetTickCount();
      while (static_cast<int>(probe.arrivals.size()) < n && GetTickCount() - begun < 120000) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      }
      if (static_cast<int>(probe.arrivals.size()) == n && n > 101)
        result = Seconds(probe.arrivals.back() - probe.arrivals[100]) / (n - 101);
      deviceStop();
      stop();
    }
    DestroyWindow(window);
    FreeLibrary(library);
  }
  e2e::KillSimulators();
  return result;
}

// The same work the station does per kept reading: open for append, write
// one line, close.
double BareAppendSeconds(const std::string& path, int n) {
  DeleteFileA(path.c_str());
  const LONGLONG start = Now();
  for (int i = 1; i <= n; ++i) {
    FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) return -1;
    std::fprintf(f, " %d,12.50,85.00,GOOD\r\n", i);
    std::fclose(f);
  }
  const double seconds = Seconds(Now() - start) / n;
  DeleteFileA(path.c_str());
  return seconds;
}

// ---- watching the run ----------------------------------------------------------

// The reading number of the run log's last complete line; 0 when there is none.
long LastLoggedReading(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  char tail[128];
  DWORD got = 0;
  const LONGLONG from = size.QuadPart > static_cast<LONGLONG>(sizeof tail) ? size.QuadPart - sizeof tail : 0;
  LARGE_INTEGER at;
  at.QuadPart = from;
  SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
  ReadFile(file, tail, sizeof tail, &got, nullptr);
  CloseHandle(file);
  // A line still being written has no line end yet: the one before it counts.
  std::string text(tail, got);
  const size_t end = text.rfind('\n');
  if (end == std::string::npos) return 0;
  text.resize(end);
  const size_t start = text.rfind('\n');
  if (start == std::string::npos && from > 0) return 0;
  return std::atol(text.c_str() + (start == std::string::npos ? 0 : start + 1));
}

// Memory committed to the process (its page-file usage), in MB.
double CommittedMegabytes(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
    return -1;
  return static_cast<double>(counters.PagefileUsage) / (1024.0 * 1024.0);
}

struct Sample {
  LONGLONG at;
  long readings; // logged by then
};

// When reading k was logged, interpolated between the samples around it; -1
// when the run did not get that far.
double TimeOfReading(const std::vector<Sample>& samples, long k) {
  for (size_t i = 0; i < samples.size(); ++i) {
    if (samples[i].readings < k) continue;
    if (i == 0) return Seconds(samples[0].at);
    const Sample& a = samples[i - 1];
    const Sample& b = samples[i];
    const double share = static_cast<double>(k - a.readings) / static_cast<double>(b.readings - a.readings);
    return Seconds(a.at) + share * (Seconds(b.at) - Seconds(a.at));
  }
  return -1;
}

// Cost per reading of readings from+1..to, in seconds; -1 when not reached.
double CostPerReading(const std::vector<Sample>& samples, long from, long to) {
  const double a = TimeOfReading(samples, from), b = TimeOfReading(samples, to);
  return a < 0 || b < 0 || to <= from ? -1 : (b - a) / static_cast<double>(to - from);
}

// Every line numbered 1..n in order.
bool NumberedInOrder(const std::vector<std::string>& lines, size_t n) {
  if (lines.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::atol(lines[i].c_str()) != static_cast<long>(i + 1)) return false;
  return true;
}

void PrintCost(const char* what, double seconds, double floor) {
  if (seconds < 0) return;
  std::printf("%-44s: %7.1f us  (%.2f x floor)\n", what, seconds * 1e6, seconds / floor);
}

} // namespace

int main(int argc, char** argv) {
  const long n = argc > 1 ? std::atol(argv[1]) : 10000;
  const bool statistics = argc > 2 && std::string(argv[2]) == "statistics";
  constexpr long kRows = 2048;      // the grid's rows: reading kRows + 1 goes to row 0 again
  constexpr long kSettle = 100;     // readings left out after START and after the wrap
  constexpr long kWindow = 1900;    // readings compared before and after the wrap
  const long milestones[] = {10000, 100000};

  e2e::KillSimulators();
  const double roundTrip = LinkRoundTripSeconds(2000);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const double append = BareAppendSeconds(std::string(temp) + "orva-bench-append.txt", 2000);
  const double floor = roundTrip + append;

  std::vector<Sample> samples;
  samples.reserve(static_cast<size_t>(n) / 2 + 1000);
  double memoryAtStart = 0, memoryAtEnd = 0;
  double memoryAt[2] = {-1, -1};
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
    const std::string runLog = station.PathOf("temp.txt");
    samples.push_back({Now(), 0});
    station.Click("cmdStart");
    const DWORD begun = GetTickCount();
    long last = 0;
    while (last < n && GetTickCount() - begun < 900000) {
      Sleep(4);
      const long now = LastLoggedReading(runLog);
      if (now == last) continue;
      samples.push_back({Now(), now});
      for (int m = 0; m < 2; ++m)
        if (memoryAt[m] < 0 && last < milestones[m] && now >= milestones[m]) memoryAt[m] = CommittedMegabytes(process);
      last = now;
    }
    complete = NumberedInOrder(station.RunLogLines(), static_cast<size_t>(n));
    memoryAtEnd = CommittedMegabytes(process);
    station.Close();
    station.WaitForExit(20000);
  }

  const double first = TimeOfReading(samples, 1), lastAt = TimeOfReading(samples, n);
  std::printf("statistics window                           : %s\n", statistics ? "open" : "closed");
  std::printf("readings through the chain                  : %ld (%s)\n", n,
              complete ? "all logged, numbered 1..N" : "LOST READINGS");
  std::printf("link round trip alone                       : %7.1f us per reading (2000 readings)\n", roundTrip * 1e6);
  std::printf("bare open-append-close                      : %7.1f us per line\n", append * 1e6);
  std::printf("floor (round trip + one append)             : %7.1f us\n", floor * 1e6);
  if (first >= 0 && lastAt > first) {
    std::printf("chain time, reading 1 to %-7ld             : %.3f s\n", n, lastAt - first);
    PrintCost("cost per reading, whole run", (lastAt - first) / static_cast<double>(n - 1), floor);
  }
  const double before = CostPerReading(samples, kSettle, kSettle + kWindow);
  const double after = CostPerReading(samples, kRows + kSettle, kRows + kSettle + kWindow);
  char label[64];
  std::snprintf(label, sizeof label, "before the wrap, readings %ld..%ld", kSettle + 1, kSettle + kWindow);
  PrintCost(label, before, floor);
  std::snprintf(label, sizeof label, "after the wrap, readings %ld..%ld", kRows + kSettle + 1, kRows + kSettle + kWindow);
  PrintCost(label, after, floor);
  if (before > 0 && after > 0) std::printf("after / before                              : %.2f\n", after / before);
  // The spread over the grid's later passes shows how much of a difference
  // between two windows is the machine's noise.
  std::vector<double> passes;
  for (long from = kRows; from + kRows <= n; from += kRows) passes.push_back(CostPerReading(samples, from, from + kRows));
  if (passes.size() >= 2) {
    std::sort(passes.begin(), passes.end());
    std::printf("later passes of %ld readings (%zu)           : min %.1f, median %.1f, max %.1f us\n", kRows, passes.size(),
                passes.front() * 1e6, passes[passes.size() / 2] * 1e6, passes.back() * 1e6);
  }
  for (int m = 0; m < 2; ++m) {
    if (n < milestones[m]) continue;
    std::snprintf(label, sizeof label, "readings 1..%ld", milestones[m]);
    PrintCost(label, CostPerReading(samples, 1, milestones[m]), floor);
    std::printf("%-44s: %.1f MB\n", ("station memory at " + std::to_string(milestones[m])).c_str(), memoryAt[m]);
  }
  std::printf("station committed memory                    : %.1f MB at START, %.1f MB after the run\n",
              memoryAtStart, memoryAtEnd);
  return complete ? 0 : 1;
}
