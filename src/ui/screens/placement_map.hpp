// Placing a new formation: the Battlefield-scale map with the forbidden cells shaded, the cell
// under the pointer framed and the hint lines, and the placing click.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawPlacementMap(UiContext& ctx);
void ClickPlacementMap(UiContext& ctx);

}  // namespace gm
