// Sidebar tooltips.
#include "ui/screens/tooltips.hpp"

#include <string>

#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/sidebar.hpp"

namespace gm {

namespace {

using Labels = SidebarTooltipLabels;
constexpr std::array<TooltipBox, kSidebarButtons> kTooltips = {{
    {576, 64, 13, 1, {&Labels::activeTurn}},
    {444, 113, 24, 1, {&Labels::zoom}},
    {540, 162, 16, 3, {&Labels::layer, &Labels::layerNote1, &Labels::layerNote2}},
    {612, 211, 10, 1, {&Labels::newUnit}},
    {588, 260, 12, 1, {&Labels::unitStaff}},
    {624, 309, 9, 1, {&Labels::economy}},
    {624, 358, 9, 1, {&Labels::options}},
    {504, 407, 19, 1, {&Labels::saveLoad}},
    {612, 456, 10, 1, {&Labels::endTurn}},
    {660, 505, 6, 1, {&Labels::help}},
    {540, 554, 16, 1, {&Labels::quit}},
}};

constexpr std::int32_t kLineStep = 16;

void DrawBox(UiContext& ctx, const TooltipBox& box) {
  std::int32_t y = box.y;
  const auto line = [&](std::string_view text) {
    DrawGlyphText(ctx, text, box.x, y, 4);
    y += kLineStep;
  };
  const TooltipFrame* frame = TooltipFrameOf(box.width);
  if (frame == nullptr) return;
  line(frame->top);
  for (int i = 0; i < box.labelCount; ++i) {
    const std::string_view label = UiLabels.tooltips.*box.labels[static_cast<std::size_t>(i)];
    line(kFrameVertical + std::string(label) + kFrameVertical);
  }
  line(frame->bottom);
}

}  // namespace

const TooltipBox& SidebarTooltip(int button) {
  return kTooltips[static_cast<std::size_t>(button - 1)];
}

void DrawSidebarTooltips(UiContext& ctx) {
  // Tooltip b belongs to sidebar button b - 1, the side on move's flag first.
  for (int b = 1; b <= kSidebarButtons; ++b) {
    const HitRect button = SidebarButtonRect(b - 1);
    if (!button.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) continue;
    if (b >= 2) {
      DrawImage(ctx, InBlink(ctx, sprite::kButtonFrame), button.left, button.top);
    }
    DrawBox(ctx, SidebarTooltip(b));
  }
}

}  // namespace gm
