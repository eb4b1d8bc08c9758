// The computer's choice of what its nations produce: the three best-value models of each
// equipment category ramp up, every other producible model of it ramps down.
#pragma once

#include <cstdint>

#include "world/tables/table_types.hpp"
#include "world/world.hpp"

namespace gm {

// Fighting value of a ground model for its cost: its category's attack (and defence) sum times
// 10, less its cost; 0 when the cost reaches the value. 16-bit arithmetic throughout.
std::uint16_t ProductionScore(const TEquipmentModel& m);

// Sets the ProductionStatus of the ground models of every nation of the side on move, category
// by category. Does nothing while the computer completes a human side's turn.
void AiProductionChoice(World& w);

}  // namespace gm
