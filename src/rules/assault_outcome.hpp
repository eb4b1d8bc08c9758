// The end of a ground assault: whether the defender holds, retreats or surrenders, the retreat
// move, the morale of both sides and the loss books.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

enum class AssaultOutcome : std::uint8_t { Held = 0, Retreated = 1, Surrendered = 2 };

// Decides and applies the outcome of the assault just fought between the ground formation of
// the Selection cell and that of the target cell, compared with SnapshotA and SnapshotB. A
// retreat moves the defender (TargetX, TargetY follow it) and runs the capture rule in its new
// cell. With CombatMode other than an assault, only the books of a held fight run.
AssaultOutcome ResolveAssaultOutcome(World& w);

// The nine cells around a defender, numbered 1..9 row by row from the north-west (5 is its own
// cell), as offsets.
struct CellOffset {
  int dx, dy;
};
CellOffset RetreatCellOffset(int cellNumber);

}  // namespace gm
