// The page's rule for the 29 equipment fields (5 to 33): the candidate list of the slot's
// category, what may be chosen, the step buttons and the message.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

// Rebuilds the candidate list of equipment field `field` for formation `f` on the Selection
// cell. Modes 1 and 2 also put the list view back at its top.
void RefreshEquipmentField(World& w, const TFormation& f, int field, std::uint8_t mode);

}  // namespace gm
