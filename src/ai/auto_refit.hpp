// The stay of a computer formation: ammunition refilled and, when allowed, men, equipment, cars
// and horses brought back towards its type's strength from the nation's reserves.
#pragma once

#include "world/reserve_draws.hpp"  // BlendMen, shared with the refit page
#include "world/world.hpp"

namespace gm {

// Acts on the ground formation of the selected cell. Only a formation with both orders left
// stays: Ammo becomes 10, the re-equipment runs when Ai.AiRefitAllowed is 1, and the formation
// has no orders left. A formation that has acted this turn is left untouched.
void AiAutoRefit(World& w);

}  // namespace gm
