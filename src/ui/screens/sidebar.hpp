// The sidebar: the eleven button pictures by their screen flags, the ten buttons' clicks, and the
// flashing of a page button under the pointer.
#pragma once

#include <cstdint>

#include "ui/ui_context.hpp"

namespace gm {

void DrawSidebarButtons(UiContext& ctx);
void ClickSidebarButtons(UiContext& ctx);

// A page button of two 40-pixel halves at (x, y): while the pointer is strictly inside its
// 80 x 40 rectangle its halves flash with the blink.
void DrawPageButtonFlash(UiContext& ctx, std::int32_t x, std::int32_t y);

// The Economy button's count of settlements by owner and holder, their value and the airbases.
void CountSettlementStatistics(World& w);

}  // namespace gm
