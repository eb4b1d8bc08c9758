// The check of the whole world between turns, run by the sim and the play-through tests: the save
// image must pass the loader's validation, and the map, the formations and the pools must agree
// with each other.
#pragma once

#include "platform/status.hpp"
#include "world/world.hpp"

namespace gm {

// Fails with the first problem found, naming the record or cell.
Status CheckWholeWorld(const World& w);

}  // namespace gm
