// Benchmark of the Run Archive window: N archived runs (default 10,000) in a
// local folder; the time until the window lists them (the rows from the
// names), until the rows in view are filled in, and until every row is.
// Prints figures only. Usage: station_archive_bench.exe [N] [readings a run]
#include "station/archive/win/archive_files.h"
#include "station/archive/win/run_archive_window.h"
#include "station/output/win/output_files.h"
#include "station/output/win/results_save.h"
#include "tools/testsupport/test_files.h"
#include "winkit/wait.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

using namespace orva;

namespace {

// Seconds from `start` until `done` holds, the window's messages handled.
double SecondsUntil(double start, const std::function<bool()>& done) {
  winkit::MessagePump pump;
  while (!done()) {
    pump.HandlePending();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  return winkit::MonotonicSeconds() - start;
}

} // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int readings = argc > 2 ? std::atoi(argv[2]) : 40;
  const std::string root = testsupport::FreshTempFolder("orva archive bench");
  const std::string folder = JoinPath(root, "ORVA Runs"), spool = JoinPath(root, "Spool");
  CreateDirectoryA(folder.c_str(), nullptr);

  std::string runLog;
  for (int i = 1; i <= readings; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, " %d,12.50,85.00,%s\r\n", i, i % 7 ? "GOOD" : "HIGH");
    runLog += line;
  }
  const std::string bytes = ResultsFileBytes({"english", "Line 3 belts", "13.00", "12.00", 0}, runLog);
  const double made = winkit::MonotonicSeconds();
  for (int i = 0; i < runs; ++i) {
    const RunTime at{2026, 1 + i / 28800 % 12, 1 + i / 1440 % 28, i / 60 % 24, i % 60, (i * 7) % 60};
    // Set up without the flush of the archive's own writes: only the reading is timed.
    WriteWholeFile(JoinPath(folder, ArchiveFileName(at, i % 2 ? "LINE3-PC" : "LINE4-PC", 1 + i / 345600)), bytes);
  }
  std::printf("%d archived runs of %d readings (%zu bytes each) written in %.2f s\n", runs, readings, bytes.size(),
              winkit::MonotonicSeconds() - made);

  RunArchiveWindow window;
  const double start = winkit::MonotonicSeconds();
  if (!window.Open(nullptr, "english", ArchiveSettings{true, folder}, folder, spool)) {
    std::printf("the window could not be opened\n");
    return 1;
  }
  const double listed = SecondsUntil(start, [&] { return window.Listed(); });
  const std::size_t inView = std::min<std::size_t>(window.RowCount(), 20);
  const double firstRows = SecondsUntil(start, [&] {
    for (std::size_t row = 0; row < inView; ++row)
      if (window.CellText(row, ArchiveColumn::Readings).empty()) return false;
    return true;
  });
  const double all = SecondsUntil(start, [&] { return window.SummariesRead() == window.RowCount(); });
  std::printf("rows listed:            %.3f s (%zu rows)\n", listed, window.RowCount());
  std::printf("rows in view filled in: %.3f s (the first %zu)\n", firstRows, inView);
  std::printf("every row filled in:    %.3f s (%.0f files a second)\n", all,
              static_cast<double>(window.RowCount()) / (all - listed));
  window.Close();
  testsupport::RemoveTree(root);
  return 0;
}
