// Benchmark of the run statistics: N readings (default 100000) through
// StatisticsWindow::ReadingTaken with the window closed and open, the memory
// they take, and the time to redraw the run chart and histogram at N
// readings (the window's panel, painted at once; the chart drawn into the
// clipboard's picture; the figures' texts).
//
//   station_stats_bench [N] [hold seconds] [language]
// With hold seconds the window stays open that long afterwards, with the
// readings of the run, for a look or a screenshot (language "english", or
// anything else for Japanese).
#include "station/stats/stats_figures.h"
#include "station/stats/stats_layout.h"
#include "station/stats/win/chart_picture.h"
#include "station/stats/win/statistics_window.h"
#include "winkit/wait.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using orva::Judgement;

struct Reading {
  orva::ReadingTexts texts;
  Judgement judgement;
};

// Tension around 12.5 N with about one reading in seven out of 12..13 N.
std::vector<Reading> MakeReadings(int n) {
  std::vector<Reading> readings;
  readings.reserve(static_cast<std::size_t>(n));
  unsigned state = 12345;
  char tension[16], frequency[16];
  for (int i = 0; i < n; ++i) {
    state = state * 1103515245u + 12345u;
    const double t = 11.85 + ((state >> 8) % 130) / 100.0;
    std::snprintf(tension, sizeof tension, "%05.2f", t);
    std::snprintf(frequency, sizeof frequency, "%05.2f", 80.0 + t * 0.4);
    const Judgement j = t > 13.0 ? Judgement::High : t < 12.0 ? Judgement::Low : Judgement::Good;
    readings.push_back({{tension, frequency}, j});
  }
  return readings;
}

double Milliseconds(double from) { return (winkit::MonotonicSeconds() - from) * 1000.0; }

std::size_t CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

double PerReadingMicroseconds(orva::StatisticsWindow& window, const std::vector<Reading>& readings) {
  window.RunStarted();
  const double start = winkit::MonotonicSeconds();
  for (std::size_t i = 0; i < readings.size(); ++i)
    window.ReadingTaken(static_cast<std::int32_t>(i + 1), readings[i].texts, readings[i].judgement);
  return Milliseconds(start) * 1000.0 / static_cast<double>(readings.size());
}

template <class Fn>
double MedianMilliseconds(int runs, Fn fn) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = winkit::MonotonicSeconds();
    fn();
    times.push_back(Milliseconds(start));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
  const double hold = argc > 2 ? std::atof(argv[2]) : 0.0;
  const std::string language = argc > 3 ? argv[3] : "english";
  const std::vector<Reading> readings = MakeReadings(n);
  orva::RunStatistics stats;
  orva::StatisticsWindow window(stats);
  window.AllowanceChanged({"13.00", "12.00", 0});

  const std::size_t before = CommittedBytes();
  const double closed = PerReadingMicroseconds(window, readings);
  const std::size_t after = CommittedBytes();
  std::printf("readings: %d\n", n);
  std::printf("per reading, window closed: %.3f us\n", closed);
  std::printf("memory of the kept readings: %.2f MB (%.1f bytes a reading); the process's committed memory grew %.2f MB\n",
              stats.KeptBytes() / 1048576.0, static_cast<double>(stats.KeptBytes()) / n,
              (static_cast<double>(after) - static_cast<double>(before)) / 1048576.0);

  if (!window.Open(nullptr, language)) {
    std::printf("the window could not be opened\n");
    return 1;
  }
  const double open = PerReadingMicroseconds(window, readings);
  std::printf("per reading, window open:   %.3f us (the redraw itself waits for the %u ms timer)\n", open,
              orva::StatisticsWindow::kRefreshMs);

  const HWND panel = GetDlgItem(window.Handle(), orva::kChartPanelId);
  const SIZE size = window.PictureSize();
  const double redraw = MedianMilliseconds(21, [&] {
    window.RefreshNow();
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  });
  const double picture = MedianMilliseconds(21, [&] {
    orva::Allowance allowance{"13.00", "12.00", 0};
    orva::ChartPicture p(size.cx, size.cy, orva::ChartScene{stats, allowance, language, nullptr});
  });
  const double figures = MedianMilliseconds(21, [&] {
    volatile std::size_t keep = orva::MakeFigureTexts(stats, {"13.00", "12.00", 0}).readings.size();
    (void)keep;
  });
  std::printf("redraw of the window at %d readings (figures, run chart, histogram; %ldx%ld panel): %.2f ms median\n",
              n, size.cx, size.cy, redraw);
  std::printf("charts drawn into the picture for Copy/Save: %.2f ms median; figures' texts: %.3f ms median\n",
              picture, figures);
  if (hold > 0.0) {
    window.RefreshNow();
    winkit::WaitSeconds(static_cast<float>(hold));
  }
  window.Close();
  return 0;
}
