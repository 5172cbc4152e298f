// Recording fakes of what the run flow drives: the screen, the device and
// the run log. The run flow's and the session's tests share them.
#pragma once

#include "station/run_flow.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orva::test {

// The screen as the operator would see it, and the order of what was done
// to the device and to the clock.
class RecordingView : public RunView {
public:
  RunControls controls;
  DiagnoseWords words;
  std::string alarmText;
  std::optional<Screen> screen;
  std::string screenName;
  std::string high, low;
  int option = -1;
  std::string unit;
  std::map<int, GridRowTexts> rows;
  int currentRow = -1;
  std::map<int, std::uint32_t> colours; // per row, of the current cell
  int topRow = 0;
  int visibleRows = 10;
  std::vector<OperatorMessage> told, toldLater;
  bool windowStays = true; // what Wait answers
  std::vector<std::string>* log = nullptr;

  void ShowRunControls(const RunControls& c) override { controls = c; }
  void ShowDiagnoseWords(const DiagnoseWords& w) override { words = w; }
  void ShowAlarmText(const std::string& text) override { alarmText = text; }
  void ShowScreen(Screen s, const std::string& name) override {
    screen = s;
    screenName = name;
  }
  void ShowLimits(const std::string& h, const std::string& l) override {
    high = h;
    low = l;
  }
  void ShowLimitUnit(int o, const std::string& u) override {
    option = o;
    unit = u;
  }
  void ClearGrid() override {
    rows.clear();
    colours.clear();
  }
  void PutGridRow(int row, const GridRowTexts& texts) override {
    rows[row] = texts;
    currentRow = row;
  }
  void ColourCurrentCell(std::uint32_t colour) override { colours[currentRow] = colour; }
  int GridTopRow() const override { return topRow; }
  int GridVisibleRows() const override { return visibleRows; }
  void SetGridTopRow(int row) override { topRow = row; }
  void Tell(const OperatorMessage& m) override { told.push_back(m); }
  void TellLater(const OperatorMessage& m) override { toldLater.push_back(m); }
  std::function<void()> duringWait; // messages handled during the wait
  bool Wait(float seconds) override {
    log->push_back("wait " + std::to_string(seconds).substr(0, 3));
    if (duringWait) std::exchange(duringWait, nullptr)();
    return windowStays;
  }
};

class RecordingDevice : public DevicePort {
public:
  std::vector<std::string>* log = nullptr;
  void DeviceStart() override { log->push_back("DeviceStart"); }
  void DeviceStop() override { log->push_back("DeviceStop"); }
};

// The run log file; `writable` false is another program holding it.
class MemoryRunLog : public RunLogFile {
public:
  std::string bytes;
  bool writable = true;
  bool Empty() override {
    if (writable) bytes.clear();
    return writable;
  }
  bool Append(std::string_view lines) override {
    if (writable) bytes += lines;
    return writable;
  }
};

} // namespace orva::test
