// Copies of both sides of a fight, taken before its first phase; the loss books compare with them.
#pragma once

#include "world/world.hpp"

namespace gm {

// SnapshotA := the ground formation of the Selection cell, SnapshotB := the ground formation of
// the target cell. A cell without a formation leaves its snapshot all zero.
void SnapshotGroundCombat(World& w);

// SnapshotA := the air formation of the target cell (the striker, rebased there when the strike
// was ordered), SnapshotB := the target cell's ground formation.
void SnapshotAirStrike(World& w);

}  // namespace gm
