// Cutting a nation's production down to what the settlements it holds can pay for.
#pragma once

#include "world/world.hpp"

namespace gm {

// While the nation's production at today's rates costs more than SettlementValueByHolder, lowers
// by 1 the largest rate (the lowest model number among equal rates), then writes the final cost
// into ProductionValue. Statuses are not changed. Works level by level, so a nation that has
// lost all its cities while producing at full rates costs no more than one that has not.
void CutProduction(World& w, int nation);

}  // namespace gm
