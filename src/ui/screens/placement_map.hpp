// Placing a new formation: the Battlefield-scale map with forbidden cells shaded, and the placing
// click.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawPlacementMap(UiContext& ctx);
void ClickPlacementMap(UiContext& ctx);

}  // namespace gm
