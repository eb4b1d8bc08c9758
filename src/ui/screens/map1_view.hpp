// The Map1 view: 36 x 27 cells of 20 pixels from (Map1X, Map1Y) with terrain from the atlas,
// settlement and formation marks, edge scrolling, a hover line and two hint lines; a click
// centres the Battlefield view on the clicked cell.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

// Draws the view when the zoom is Map1; nothing otherwise.
void DrawMap1Stage(UiContext& ctx);
void ClickMap1View(UiContext& ctx);

}  // namespace gm
