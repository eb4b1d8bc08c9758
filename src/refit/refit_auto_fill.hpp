// The unit staff page's automatic refit: the formation brought towards its type's full strength
// in one go, as far as its nation's reserves allow.
#pragma once

#include "world/world.hpp"

namespace gm {

// For the ground formation on the Selection cell with both orders left: ammunition to 10; then,
// when the page's check allowed drawing on the reserves here (RefitHereAllowed), men from the
// elite reserve and then the conscripts with experience and morale blended in, each equipment
// slot by the slot rule, cars and horses. What the formation gains its nation's reserves lose,
// no pool goes below 0 and no count passes 65,535. The formation has no orders left afterwards.
// A formation that has acted this turn is left untouched. The page and the screen are the
// caller's.
void RefitAutoFill(World& w);

}  // namespace gm
