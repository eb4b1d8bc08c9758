// Order steps that have nothing to do; present so that the order dispatch can call them.
#include "rules/idle_orders.hpp"

namespace gm {

void SecondAirOrderNone(World&) {}
void AnimationStepNone4(World&) {}
void AnimationStepNone6(World&) {}

}  // namespace gm
