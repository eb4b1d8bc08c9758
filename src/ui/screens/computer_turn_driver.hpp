// The computer's turn in the window: one step of it a frame, its state in the bottom panel, and
// the turn change once it is done.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

// One step of the computer's turn, its state in the panel, and the turn change once it is done.
void RunComputerTurnDriver(UiContext& ctx);

}  // namespace gm
