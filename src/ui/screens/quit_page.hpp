// The Quit page: Yes leaves the game, No goes back to the map.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawQuitPage(UiContext& ctx);
void ClickQuitPage(UiContext& ctx);

}  // namespace gm
