// The station's named allowances: the list, the one in use, and what
// choosing one does to the run: the unit option clicked, then both limit
// boxes filled in, exactly as the operator would do it by hand, so the run,
// the statistics and the settings file see what they see for typing. The
// print title is the window's to fill in. The allowance stays in use until
// the limit boxes or the unit no longer hold what choosing it set.
#pragma once

#include "station/allowances/allowance_list.h"
#include "station/run_flow.h"

#include <optional>
#include <string>
#include <string_view>

namespace orva {

class NamedAllowances {
public:
  AllowanceList& List() { return list_; }
  const AllowanceList& List() const { return list_; }

  // The name in use; empty: none.
  const std::string& ActiveName() const { return active_; }
  // "Allowance in use: <name>" for the main window; empty when none is.
  std::string InUseText(std::string_view curLanguage) const;

  // Whether an allowance can be chosen now: only while the limits can be
  // edited (not during a run), as for typing them.
  static bool CanChoose(const RunFlow& flow) { return flow.Controls().limitsEnabled; }
  // Chooses the entry: the unit, then the limits. Nothing when the limits
  // cannot be edited now or the index is outside the list.
  const AllowanceEntry* Choose(std::size_t index, RunFlow& flow);

  // The limit boxes or the unit changed (by the operator, by START, by a
  // unit click): the allowance stays in use while they still hold its
  // limits. Also after the list changed (an entry edited, renamed, deleted).
  void LimitsChanged(const RunFlow& flow);

  // The settings file's value, and the start-up's: the stored name is in
  // use again when its entry is in the list and the loaded limits are its.
  std::string StoredName() const;
  void Restore(std::string_view stored, const RunFlow& flow);

private:
  AllowanceList list_;
  std::string active_;
  bool choosing_ = false; // the unit and the limits pass through other values meanwhile
};

} // namespace orva
