// The daily economy: growth of settlements, production, repair, new models, production ramps and
// the cut to what a nation can pay, wounded, horses and conscripts.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

inline constexpr int kStockCap = 60'000;

// Conscripts nation n (1..8) gains each day; 0 for any other number.
std::uint32_t DailyConscripts(int nation);

// Runs one day of the economy for nations 1..8 and ground models 1..800, unless the opening
// coalition is on move. Expects the date already moved on to the new day.
void DailyEconomy(World& w);

}  // namespace gm
