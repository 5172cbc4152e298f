// The allowance the readings are judged against: the two limit texts as
// typed and the limit unit.
#pragma once

#include <cstdint>
#include <string>

namespace orva {

// LimitUnitMode: 0 = N (the tension is judged), 1 = Hz (the frequency).
// Any other value counts as Hz, as the judging treats it.
enum class LimitUnit : std::int16_t { N = 0, Hz = 1 };

constexpr LimitUnit LimitUnitOf(int limitUnitMode) { return limitUnitMode == 0 ? LimitUnit::N : LimitUnit::Hz; }

// "N" or "Hz": the unit labels, the settings file, the results file, the
// printout's head and the statistics all write the unit so.
constexpr const char* LimitUnitText(LimitUnit unit) { return unit == LimitUnit::N ? "N" : "Hz"; }
constexpr const char* LimitUnitText(int limitUnitMode) { return LimitUnitText(LimitUnitOf(limitUnitMode)); }

struct Allowance {
  std::string highText;
  std::string lowText;
  int limitUnitMode = 0;
  friend bool operator==(const Allowance&, const Allowance&) = default;
};

} // namespace orva
