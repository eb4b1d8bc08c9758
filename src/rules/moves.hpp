// Orders that take effect at once: moving a ground formation, an airborne drop and rebasing an
// air formation. The acting formation stands in the Selection cell, the target is
// (TargetX, TargetY); the reach grid has already checked range, terrain and occupancy.
#pragma once

#include "world/world.hpp"

namespace gm {

// Moves the ground formation of the selected cell to the target cell (one order), then applies
// the capture rule there.
void ExecuteMove(World& w);

// An airborne drop: the same steps as ExecuteMove, onto a cell marked for a drop.
void ExecuteAirDrop(World& w);

// Moves the air formation of the selected cell to the target cell (one order); no capture.
void ExecuteRebase(World& w);

}  // namespace gm
