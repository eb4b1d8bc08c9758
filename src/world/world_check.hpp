// The check of the whole world: every block's values in their ranges, and the map, the
// formations and the settlements agreeing with each other. The loader runs it on every file
// before the world changes; the sim's --check and the play-throughs run it between turns.
#pragma once

#include "platform/status.hpp"
#include "world/world.hpp"

namespace gm {

// Fails with the first problem found, naming the record or cell.
Status CheckWholeWorld(const World& w);

}  // namespace gm
