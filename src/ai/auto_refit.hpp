// The stay of a computer formation: ammunition refilled and, when allowed, men, equipment, cars
// and horses brought back towards its type's strength from the nation's reserves.
#pragma once

#include "world/world.hpp"

namespace gm {

// Acts on the ground formation of the selected cell. Only a formation with both orders left
// stays: Ammo becomes 10, the re-equipment runs when Ai.AiRefitAllowed is 1, and the formation
// has no orders left. A formation that has acted this turn is left untouched.
void AiAutoRefit(World& w);

// Adds `added` men of experience `e` and morale `m` to the formation, averaging its experience
// and morale by head count (each at least 1).
void BlendMen(TFormation& f, std::uint32_t added, std::uint32_t e, std::uint32_t m);

}  // namespace gm
