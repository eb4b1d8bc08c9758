// The bottom panel and the sidebar strip of the game screen, the selected cell's lines or the
// rule lines, and the side on move.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

// The panels, the selected cell's description (or the rule lines) and the side-on-move picture.
void DrawPanels(UiContext& ctx);

}  // namespace gm
