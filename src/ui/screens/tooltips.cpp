// Sidebar tooltips.
#include "ui/screens/tooltips.hpp"

#include <string>

#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"

namespace gm {

namespace {

constexpr std::array<TooltipBox, kSidebarButtons> kTooltips = {{
    {576, 64, 13, 1, {kLabelActiveTurn}},
    {444, 113, 24, 1, {kLabelZoom}},
    {540, 162, 16, 3, {kLabelLayer, kLabelLayerNote1, kLabelLayerNote2}},
    {612, 211, 10, 1, {kLabelNewUnit}},
    {588, 260, 12, 1, {kLabelUnitStaff}},
    {624, 309, 9, 1, {kLabelEconomy}},
    {624, 358, 9, 1, {kLabelOptions}},
    {504, 407, 19, 1, {kLabelSaveLoad}},
    {612, 456, 10, 1, {kLabelEndTurn}},
    {660, 505, 6, 1, {kLabelHelp}},
    {540, 554, 16, 1, {kLabelQuit}},
}};

constexpr std::int32_t kLineStep = 16;

void DrawBox(UiContext& ctx, const TooltipBox& box) {
  std::int32_t y = box.y;
  const auto line = [&](std::string_view text) {
    DrawGlyphText(ctx, text, box.x, y, 4);
    y += kLineStep;
  };
  line(UiLabels[static_cast<std::size_t>(BoxTopRow(box.width))]);
  for (int i = 0; i < box.labelCount; ++i) {
    line(kFrameVertical + std::string(UiLabels[box.labels[static_cast<std::size_t>(i)]]) +
         kFrameVertical);
  }
  line(UiLabels[static_cast<std::size_t>(BoxBottomRow(box.width))]);
}

}  // namespace

const TooltipBox& SidebarTooltip(int button) {
  return kTooltips[static_cast<std::size_t>(button - 1)];
}

void DrawSidebarTooltips(UiContext& ctx) {
  const std::int32_t mx = ctx.ui.MouseX, my = ctx.ui.MouseY;
  if (!(mx > 739 && mx < 780)) return;
  for (int b = 1; b <= kSidebarButtons; ++b) {
    if (!(my > 49 * (b - 1) + 53 && my < 49 * (b - 1) + 94)) continue;
    if (b >= 2) {
      const auto frame = sprite::kButtonFrame;
      DrawImage(ctx, ctx.ui.BlinkPhase == 1 ? frame.light : frame.dark, 740, 49 * b + 5);
    }
    DrawBox(ctx, SidebarTooltip(b));
  }
}

}  // namespace gm
