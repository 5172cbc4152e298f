#include "station/stats/allowance.h"

namespace orva {

const char* LimitUnitName(int limitUnitMode) { return limitUnitMode == 1 ? "Hz" : "N"; }

} // namespace orva
