// The Options page: the frame interval and the grid, frame-rate and clock switches.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawOptionsPage(UiContext& ctx);
void ClickOptionsPage(UiContext& ctx);

}  // namespace gm
