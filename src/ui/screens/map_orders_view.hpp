// The human side's map orders on the Battlefield: the cell under the pointer, a waiting click
// turned into an order or a selection, the hover marker and lines, the unit card; and the
// action animation of an assault, artillery fire or air strike, resolved at its 26th frame.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

// After the Battlefield view, outside the computer turn.
void RunMapOrdersStage(UiContext& ctx);

// Every frame, after the blink: the animation's picture of this tick, then at tick 26 the fight.
void RunActionAnimation(UiContext& ctx);

}  // namespace gm
