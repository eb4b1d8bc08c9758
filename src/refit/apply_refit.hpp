// Apply on the unit staff page: the bookings move from the nation's reserves into the formation.
#pragma once

#include "world/world.hpp"

namespace gm {

// Spends every booking of the page on the ground formation of the Selection cell: ammunition,
// men (blending experience and morale by the pool they come from), cars, horses and each
// equipment field's model into its pair; then the formation has no orders left. What the
// formation gains is exactly what its nation's pool or stock loses. The page, the selection
// and the screen flags are left to the caller.
void ApplyRefit(World& w);

}  // namespace gm
