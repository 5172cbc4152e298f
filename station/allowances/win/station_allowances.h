// The named allowances as the station lives with them: the list file read at
// start-up and the allowance in use restored from ORVA.ini; Tool >
// Allowances... opens the dialog, and a choice fills in the unit, the limits
// and the print title; the main window's label names the allowance in use
// until a limit or the unit is changed; the name goes back to ORVA.ini with
// the other main-window settings at shutdown.
#pragma once

#include "station/allowances/named_allowances.h"

#include <functional>
#include <string>
#include <windows.h>

namespace orva {

class StationAllowances {
public:
  // What the allowances ask of the station.
  struct Station {
    std::function<HWND()> window;
    std::function<std::string()> iniPath; // ANSI
    std::function<std::string()> curLanguage;
    std::function<RunFlow&()> flow;
    std::function<void(const std::string&)> setPrintTitle; // UTF-8, as if typed
    std::function<void(const std::string&)> showInUse;     // UTF-8 label text; empty: none
  };
  explicit StationAllowances(Station station) : station_(std::move(station)) {}

  // At start-up, once the settings (limits and unit) are read.
  void Load();
  // Tool > Allowances..., while the window counts as busy in a modal box.
  void OpenDialog();
  // A limit box or the unit changed.
  void LimitsChanged();
  // At shutdown, with the other main-window settings. A file that never had
  // an allowance in use gets no section for it.
  void SaveActive();

  const NamedAllowances& Named() const { return named_; }
  const std::string& ListPath() const { return listPath_; }

private:
  bool StoreList();
  void ShowInUse();

  Station station_;
  NamedAllowances named_;
  std::string listPath_;
  std::string loadReport_; // the list file's refused lines, until the list is written
  bool keepDamaged_ = false; // the list file had refused lines: kept as .bak at the first write
  std::string shownInUse_;
};

} // namespace orva
