// The bottom panel and the sidebar strip of the game screen, the selected cell's lines or the
// rule lines, the side on move, and the computer turn's status lines.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

// The panels, the selected cell's description (or the rule lines) and the side-on-move picture.
void DrawPanels(UiContext& ctx);

// One step of the computer's turn, its state in the panel, and the turn change once it is done.
void RunComputerTurnDriver(UiContext& ctx);

}  // namespace gm
