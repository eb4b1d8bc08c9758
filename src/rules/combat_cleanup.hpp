// Clean-up after a fight: emptied equipment slots lose their model, formations left without men
// (or an air formation without aircraft) leave the map.
#pragma once

#include "world/world.hpp"

namespace gm {

// For the ground formations of the Selection cell and of the target cell: pairs of count 0 get
// model 0; then each one with 0 men is wiped and its cell's ground word cleared.
void CleanupGroundCombat(World& w);

// In the target cell: the same for the air formation's eight aircraft pairs and the ground
// formation's 31 pairs; an air formation without aircraft and a ground formation without men
// are wiped and their cell words cleared.
void CleanupAirStrike(World& w);

}  // namespace gm
