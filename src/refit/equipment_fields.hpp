// The page's rule for the 29 equipment fields (5 to 33): the candidate list of the slot's
// category, what may be chosen, the step buttons and the message.
#pragma once

#include "world/world.hpp"

namespace gm {

// Rebuilds the candidate list of equipment field `field` (5..33) for formation `f` on the
// Selection cell; the list's view is the caller's.
void RefreshEquipmentField(World& w, const TFormation& f, int field);

}  // namespace gm
