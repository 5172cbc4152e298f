// Benchmark of the reading path through meterlink.dll: the simulator fills
// `receive` and sends 0x46B, this program's main window calls USBReceiveRead.
// Prints the cost of one round trip, the client's share of it, and the rate
// the link sustains over a burst, checking by the header's reading number
// that no reading is lost or repeated. Run from the program folder (EXE) so
// that meterlink.dll and ..\EXE\LinkKeeper.exe are found.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "devlink/link_block.h"
#include "devlink/meterlink_api.h"
#include "tools/testsupport/sim_process.h"

namespace {

using namespace devlink;

struct Api {
  USBStartFn start;
  USBStopFn stop;
  USBReceiveReadFn receiveRead;
  DeviceStartFn deviceStart;
  DeviceStopFn deviceStop;
};

struct Run {
  Api api{};
  LARGE_INTEGER frequency{};
  std::vector<std::uint32_t> sequence; // header1 of each reading fetched
  std::vector<LONGLONG> arrival;       // counter at each 0x46B
  std::vector<LONGLONG> readCost;      // counter ticks inside USBReceiveRead
  int badTexts = 0;
  int failedReads = 0;
  bool started = false;
};
Run run;

LONGLONG Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

double Microseconds(LONGLONG ticks) { return 1e6 * static_cast<double>(ticks) / run.frequency.QuadPart; }

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kNotifyDeviceStarted) {
    run.started = true;
    return 0;
  }
  if (msg == kNotifyReading) {
    const LONGLONG t0 = Now();
    LinkReceive receive;
    const int result = run.api.receiveRead(&receive, 0);
    const LONGLONG t1 = Now();
    if (result != 0) {
      ++run.failedReads;
      return 0;
    }
    run.arrival.push_back(t0);
    run.readCost.push_back(t1 - t0);
    run.sequence.push_back(receive.header1);
    for (std::size_t i = 0; i < 2 * kReadingTextLength; ++i) {
      if (receive.entry0[i] < ' ' || receive.entry0[i] > '~') {
        ++run.badTexts;
        break;
      }
    }
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

double Percentile(std::vector<LONGLONG> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t at = static_cast<std::size_t>(p * (values.size() - 1));
  return Microseconds(values[at]);
}

void PumpUntil(bool (*done)(int), int want, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done(want) && GetTickCount() - start < timeoutMs) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

} // namespace

int main(int argc, char** argv) {
  const int burst = argc > 1 ? std::atoi(argv[1]) : 10000;
  QueryPerformanceFrequency(&run.frequency);

  // The scenario reaches the simulator through the environment, which the
  // library passes on when it launches it.
  const orva::testsupport::ScenarioEnv scenario("rate = 0\nnotify = send\nburst = " + std::to_string(burst) + "\n");

  HMODULE library = LoadLibraryA(kLibraryName);
  if (library == nullptr) {
    std::printf("meterlink.dll not found (run from the program folder)\n");
    return 1;
  }
  run.api.start = reinterpret_cast<USBStartFn>(reinterpret_cast<void*>(GetProcAddress(library, "USBStart")));
  run.api.stop = reinterpret_cast<USBStopFn>(reinterpret_cast<void*>(GetProcAddress(library, "USBStop")));
  run.api.receiveRead = reinterpret_cast<USBReceiveReadFn>(reinterpret_cast<void*>(GetProcAddress(library, "USBReceiveRead")));
  run.api.deviceStart = reinterpret_cast<DeviceStartFn>(reinterpret_cast<void*>(GetProcAddress(library, "DeviceStart")));
  run.api.deviceStop = reinterpret_cast<DeviceStopFn>(reinterpret_cast<void*>(GetProcAddress(library, "DeviceStop")));

  WNDCLASSA wc{};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "LinkBenchMain";
  RegisterClassA(&wc);
  HWND main = CreateWindowExA(0, wc.lpszClassName, "link bench", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                              100, nullptr, nullptr, wc.hInstance, nullptr);
  const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(main));
  const LinkParams params{handle, 1, kParam3, kParam4};
  LinkStatus status;
  if (run.api.start(&params, &status) != 0) {
    std::printf("USBStart failed\n");
    return 1;
  }
  run.sequence.reserve(burst);
  run.arrival.reserve(burst);
  run.readCost.reserve(burst);

  const LONGLONG begin = Now();
  if (run.api.deviceStart(&params, &status) != 0) {
    std::printf("DeviceStart failed\n");
    return 1;
  }
  PumpUntil([](int want) { return static_cast<int>(run.sequence.size()) >= want; }, burst, 120000);
  const LONGLONG end = run.arrival.empty() ? Now() : run.arrival.back();
  run.api.deviceStop();
  run.api.stop();
  PumpUntil([](int) { return false; }, 0, 300); // let the handler's last notices in

  int outOfOrder = 0;
  for (std::size_t i = 0; i < run.sequence.size(); ++i) {
    if (run.sequence[i] != i + 1) ++outOfOrder;
  }
  std::vector<LONGLONG> gaps;
  for (std::size_t i = 1; i < run.arrival.size(); ++i) gaps.push_back(run.arrival[i] - run.arrival[i - 1]);

  const double seconds = static_cast<double>(end - begin) / run.frequency.QuadPart;
  const int received = static_cast<int>(run.sequence.size());
  std::printf("burst of %d readings (notify = send)\n", burst);
  std::printf("  received %d, out of sequence %d, lost %d, unreadable texts %d, failed reads %d\n",
              received, outOfOrder, burst - received, run.badTexts, run.failedReads);
  std::printf("  round trip per reading (fill, 0x46B, USBReceiveRead): median %.1f us, p99 %.1f us, mean %.1f us\n",
              Percentile(gaps, 0.5), Percentile(gaps, 0.99), received > 1 ? 1e6 * seconds / received : 0.0);
  std::printf("  client side USBReceiveRead: median %.1f us, p99 %.1f us\n",
              Percentile(run.readCost, 0.5), Percentile(run.readCost, 0.99));
  std::printf("  sustained: %.0f readings/s (%d in %.3f s, from DeviceStart)\n",
              seconds > 0 ? received / seconds : 0.0, received, seconds);
  const bool ok = received == burst && outOfOrder == 0 && run.badTexts == 0 && run.failedReads == 0;
  std::printf("%s\n", ok ? "no reading lost" : "READINGS LOST OR DAMAGED");
  return ok ? 0 : 2;
}
