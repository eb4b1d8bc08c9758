// Capture of a settlement by the ground formation that has just entered its cell.
#pragma once

#include "world/world.hpp"

namespace gm {

// Applies the capture rule for the ground formation standing in (TargetX, TargetY): a
// settlement held by the other coalition passes to the entering nation or back to its owner of
// the entering coalition, its value capped at 20. Runs the end-of-war test whenever the cell
// holds a settlement.
void CaptureSettlement(World& w);

}  // namespace gm
