// Per-nation economic totals: value of the settlements held and cost of the daily production.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

// SettlementValueByHolder: for each nation 1..8 the Value of every settlement it holds.
void SumSettlementValue(World& w);

// ProductionValue: the cost of each nation's production as it stands after tomorrow's ramp step.
void SumProductionValue(World& w);

// ProductionValue: the cost of each nation's production at today's rates.
void SumProductionValueBase(World& w);

// Cost of one nation's production at today's rates (what SumProductionValueBase writes for it).
std::int32_t BaseProductionValue(const World& w, int nation);

}  // namespace gm
