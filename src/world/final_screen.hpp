// The switch to the final screen at the end of the war.
#pragma once

#include "world/world.hpp"

namespace gm {

// Clears screen flags 0..11 and selects the final screen (flag 12 = 2); the frame tick then
// draws it with the texts chosen by WarResult.
void ShowFinalScreen(World& w);

}  // namespace gm
