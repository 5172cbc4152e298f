// The statistics window (Tool > Statistics): a modeless window beside the
// main window with the run's counts and figures, a live run chart and a
// histogram, and the buttons Copy (also Ctrl+C) and Save Picture.
//
// The object lives as long as the main window; its window comes and goes
// with Open and Close. It shows the RunStatistics it is given, which counts
// every reading handed to ReadingTaken whether the window is open or not.
// Readings are cheap: the figures and charts are brought up to date on a
// timer, at most every kRefreshMs, not per reading.
#pragma once

#include "station/judgement.h"
#include "station/reading.h"
#include "station/run_view.h"
#include "station/allowance.h"
#include "station/stats/run_statistics.h"
#include "winkit/controls.h"
#include "winkit/window.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace orva {

class StatisticsWindow : public winkit::Window, public RunWatcher {
public:
  static constexpr UINT kRefreshMs = 100;

  explicit StatisticsWindow(RunStatistics& stats);
  ~StatisticsWindow() override;

  // Creates the window beside `owner` (owned by it, so it closes with it),
  // or brings the open one to the front. False when it could not be made.
  bool Open(HWND owner, const std::string& curLanguage);
  void Close();

  // START: the statistics start afresh.
  void RunStarted() override;
  void ReadingTaken(std::int32_t readingNo, const ReadingTexts& texts, Judgement judgement) override;
  // The limit boxes or the limit unit changed: Cp/Cpk and the charts follow.
  void AllowanceChanged(const Allowance& allowance) override;

  // What the buttons do, called directly (no click, no save dialog): the
  // figures and the chart on the clipboard (false when it could not be
  // done), the chart as a PNG file.
  bool CopyFigures();
  bool WritePicture(const std::string& ansiPath);
  // The picture's size in pixels: the chart panel's.
  SIZE PictureSize() const;
  // Shows the latest figures and charts now instead of at the next tick.
  void RefreshNow();

private:
  class ChartPanel;
  class CopyKey;

  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool FormLoad();
  void PlaceBesideOwner(HWND owner);
  void OnRefreshTimer();
  void OnCopyClick();
  void OnSavePictureClick();
  void PaintPanel(HDC dc, const RECT& area);
  void ScheduleRefresh();

  RunStatistics& stats_;
  Allowance allowance_;
  std::string curLanguage_;
  HFONT font_ = nullptr;
  winkit::BuiltControls built_;
  HWND panel_ = nullptr;
  bool refreshPending_ = false;
  std::array<std::unique_ptr<CopyKey>, 2> copyKeys_;
};

} // namespace orva
