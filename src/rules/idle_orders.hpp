// Order steps that have nothing to do: the second air order (an air formation ordered onto an
// enemy air formation) and the ends of its animation and of the unused animation kind 6.
#pragma once

#include "world/world.hpp"

namespace gm {

void SecondAirOrderNone(World& w);
void AnimationStepNone4(World& w);
void AnimationStepNone6(World& w);

}  // namespace gm
