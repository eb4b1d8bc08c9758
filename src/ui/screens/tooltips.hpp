// The sidebar tooltips: a framed label beside the button under the pointer, and a highlight over
// that button.
#pragma once

#include <array>
#include <cstdint>

#include "ui/ui_context.hpp"
#include "ui/ui_texts.hpp"

namespace gm {

// The box of a sidebar button: where its top line starts, its width in glyphs (the frame
// included) and its label lines, UiLabels' tooltips; its frame lines are UiLabels' of its width.
struct TooltipBox {
  std::int32_t x;
  std::int32_t y;
  int width;
  int labelCount;
  std::array<LabelRow SidebarTooltipLabels::*, 3> labels;
};

inline constexpr int kSidebarButtons = 11;

// Button b (1..11) from the top: the side on move, zoom, layer and the eight pages.
const TooltipBox& SidebarTooltip(int button);

void DrawSidebarTooltips(UiContext& ctx);

}  // namespace gm
