// The unit staff page's refresh: recomputes the bookings' total, the chosen field's candidates,
// its step buttons and the status message.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

// Mode 1: the page was just opened; 2: a field was just chosen (both put the candidate list's
// view back at its top); 3: refresh, keeping the view. Never changes the bookings or the world
// records; only NeighbourMask is rebuilt.
void UpdateRefitPanel(World& w, std::uint8_t Mode);

}  // namespace gm
