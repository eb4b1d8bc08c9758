// The Economy window: statistics, equipment lists, production orders and losses of the eight
// nations.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawEconomyWindow(UiContext& ctx);
void ClickEconomyWindow(UiContext& ctx);

}  // namespace gm
