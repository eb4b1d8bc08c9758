// The Economy window: statistics, equipment lists, production orders and losses of the eight
// nations.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"

namespace gm {

// The six page tabs along the bottom, from the statistics on the left to the losses, and Close.
inline constexpr int kEconomyPageCount = 6;
constexpr HitRect EconomyTabRect(int page) {
  return {70 + 60 * (page - 1), 430, 109 + 60 * (page - 1), 469};
}
inline constexpr HitRect kEconomyCloseButton{620, 430, 699, 469};

void DrawEconomyWindow(UiContext& ctx);
void ClickEconomyWindow(UiContext& ctx);

}  // namespace gm
