// What a loaded game must not inherit from the game that was on screen before it.
#pragma once

#include "world/world.hpp"

namespace gm {

// Clears the state of the game that was running before a load replaced the world's records:
// the selection, the reach grids and neighbour flags, the action animation, a waiting order,
// the computer's turn (and its settlement list, which follows the map), the placement of a new
// formation, the refit page and the end-of-war result. The loaded records stay as they are;
// the hand-over to the side on move (HandOverToSideOnMove) is the caller's next step.
void ResetAfterLoad(World& w);

}  // namespace gm
