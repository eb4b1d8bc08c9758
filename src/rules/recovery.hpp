// The rest of the side that has just ended its turn: orders back, a little experience and morale.
#pragma once

#include "world/world.hpp"

namespace gm {

// One day's recovery of every used formation of the side on move: two orders again, experience
// + 1 while below 100 and morale + 1 while below 70. The turn change runs it once per day of the
// turn, before the calendar and the economy.
void RecoverSideOnMove(World& w);

}  // namespace gm
