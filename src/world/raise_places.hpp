// Where new formations may be raised: per-nation raise flags and the placement marks of the map.
#pragma once

#include "world/world.hpp"

namespace gm {

// True when theatre cell (x, y) is a raise place for nation n: a settlement held by n, no ground
// formation in it and no ground formation of another coalition next to it.
bool IsRaisePlace(const World& w, int x, int y, int nation);

// Rewrites Lists.RaiseSettlementFlags: 1 for each nation with at least one raise place.
void FindRaiseSettlements(World& w);

// Rewrites PlacementAllowed of every theatre cell: 1 where a formation of Lists.PlacementType may
// be placed; cells outside the theatre keep their byte.
void MarkPlacementCells(World& w);

}  // namespace gm
