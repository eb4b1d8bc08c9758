// The action animation of an assault, artillery fire or air strike: 26 frames, then the fight is
// resolved.
#pragma once

#include "flow/flow_services.hpp"
#include "world/world.hpp"

namespace gm {

// Frame start: a running animation moves on one frame.
void CountActionTick(World& w);

// End of the frame: once the animation has reached its 26th frame it stops and its fight is
// resolved (assault, artillery fire, air strike; nothing for the second air order); in the
// computer turn the waiting order is then done. Returns true when a fight was resolved.
bool FinishAction(World& w, FlowServices& services);

}  // namespace gm
