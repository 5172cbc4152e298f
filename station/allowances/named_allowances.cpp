#include "station/allowances/named_allowances.h"

#include "station/allowances/active_allowance.h"

namespace orva {

std::string NamedAllowances::InUseText(std::string_view lang) const {
  return active_.empty() ? std::string() : FillIn(PickText(lang, Text::AllowanceInUse), active_, "");
}

const AllowanceEntry* NamedAllowances::Choose(std::size_t index, RunFlow& flow) {
  if (!CanChoose(flow) || index >= list_.Size()) return nullptr;
  const AllowanceEntry& entry = list_.At(index);
  choosing_ = true;
  flow.LimitOptionClicked(entry.unit == LimitUnit::N ? 0 : 1);
  flow.LimitsChosen(entry.high, entry.low);
  choosing_ = false;
  active_ = entry.name;
  return &entry;
}

void NamedAllowances::LimitsChanged(const RunFlow& flow) {
  if (choosing_ || active_.empty()) return;
  const auto index = list_.Find(active_);
  if (!index || !StillInForce(list_.At(*index), flow.HighLimit(), flow.LowLimit(), flow.State().LimitUnitMode))
    active_.clear();
}

std::string NamedAllowances::StoredName() const { return EncodeActiveName(active_); }

void NamedAllowances::Restore(std::string_view stored, const RunFlow& flow) {
  active_ = DecodeActiveName(stored);
  LimitsChanged(flow);
}

} // namespace orva
