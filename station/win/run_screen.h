// The run's screen on the main window's controls: RunView implemented with
// the run controls, the diagnose panel, the alarm box, the screen buttons'
// effect, the limit boxes and unit, the readings grid, message boxes and
// waits. It also keeps the label colours the window paints with.
#pragma once

#include "station/main_controls.h"
#include "station/run_view.h"
#include "station/win/readings_grid.h"
#include "winkit/window.h"

#include <array>
#include <deque>
#include <optional>
#include <windows.h>

namespace orva {

using MainControlHandles = std::array<HWND, kMainControlCount>;

// Private message of the main window: show the messages RunView::TellLater
// queued, once the message that raised them has returned.
inline constexpr UINT kMsgTellPending = WM_APP + 1;

class RunScreen final : public RunView {
public:
  RunScreen(const winkit::Window& window, const MainControlHandles& controls, ReadingsGrid& grid)
      : window_(window), controls_(controls), grid_(grid) {}

  // Text colour given to a label (lblMeasure, the diagnose panel), if any.
  std::optional<COLORREF> LabelColour(MainControl control) const;
  void SetLabelColour(MainControl control, COLORREF colour);
  // The window's kMsgTellPending.
  void TellWhatIsPending();

  void ShowRunControls(const RunControls& controls) override;
  void ShowDiagnoseWords(const DiagnoseWords& words) override;
  void ShowAlarmText(const std::string& text) override;
  void ShowScreen(Screen screen, const std::string& name) override;
  void ShowLimits(const std::string& high, const std::string& low) override;
  void ShowLimitUnit(int option, const std::string& unit) override;
  void ClearGrid() override;
  void PutGridRow(int row, const GridRowTexts& texts) override;
  void ColourCurrentCell(std::uint32_t colour) override;
  int GridTopRow() const override;
  int GridVisibleRows() const override;
  void SetGridTopRow(int row) override;
  void Tell(const OperatorMessage& message) override;
  void TellLater(const OperatorMessage& message) override;
  bool Wait(float seconds) override;

private:
  HWND Control(MainControl control) const { return controls_[static_cast<size_t>(control)]; }

  const winkit::Window& window_;
  const MainControlHandles& controls_;
  ReadingsGrid& grid_;
  std::array<std::optional<COLORREF>, kMainControlCount> labelColours_{};
  std::deque<OperatorMessage> pending_; // TellLater's, until the window's message shows them
};

} // namespace orva
