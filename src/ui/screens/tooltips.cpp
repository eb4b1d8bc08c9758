// Sidebar tooltips.
#include "ui/screens/tooltips.hpp"

#include <array>
#include <vector>

#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"

namespace gm {

namespace {

// Frame glyphs of the fonts.
constexpr char kVertical = '\x83';
constexpr char kTopLeft = '\xAB';
constexpr char kTopRight = '\x8F';
constexpr char kBottomLeft = '\x90';
constexpr char kBottomRight = '\xAA';
constexpr char kHorizontal = '\x94';

struct Tooltip {
  std::int32_t x;
  std::int32_t y;  // of the top line
  int width;
  std::array<std::string_view, 3> labels;
};

// Buttons 1..11 from the top: the side on move, zoom, layer and the eight pages.
constexpr std::array<Tooltip, 11> kTooltips = {{
    {576, 64, 13, {"Active turn"}},
    {444, 113, 24, {"Battlefields/Map1/Map2"}},
    {540, 162, 16, {"Army/Air Force", "Air units will", "in next vers.!"}},
    {612, 211, 10, {"New unit"}},
    {588, 260, 12, {"Unit staff"}},
    {624, 309, 9, {"Economy"}},
    {624, 358, 9, {"Options"}},
    {504, 407, 19, {"    Save/Load    "}},
    {612, 456, 10, {"End turn"}},
    {660, 505, 6, {"Help"}},
    {540, 554, 16, {"Quit to system"}},
}};

constexpr std::int32_t kLineStep = 16;

}  // namespace

std::vector<std::string> FramedBoxLines(const std::vector<std::string_view>& labels, int width) {
  const auto inner = static_cast<std::size_t>(width > 2 ? width - 2 : 0);
  std::vector<std::string> lines;
  lines.push_back(kTopLeft + std::string(inner, kHorizontal) + kTopRight);
  for (std::string_view label : labels) {
    std::string text(label.substr(0, inner));
    text.resize(inner, ' ');
    lines.push_back(kVertical + text + kVertical);
  }
  lines.push_back(kBottomLeft + std::string(inner, kHorizontal) + kBottomRight);
  return lines;
}

void DrawSidebarTooltips(UiContext& ctx) {
  const std::int32_t mx = ctx.ui.MouseX, my = ctx.ui.MouseY;
  if (!(mx > 739 && mx < 780)) return;
  for (int b = 1; b <= 11; ++b) {
    if (!(my > 49 * (b - 1) + 53 && my < 49 * (b - 1) + 94)) continue;
    if (b >= 2) DrawImage(ctx, "Pictogram", ctx.ui.BlinkPhase == 1 ? 23 : 24, 740, 49 * b + 5);
    const Tooltip& tip = kTooltips[static_cast<std::size_t>(b - 1)];
    std::vector<std::string_view> labels;
    for (std::string_view l : tip.labels) {
      if (!l.empty()) labels.push_back(l);
    }
    const std::vector<std::string> lines = FramedBoxLines(labels, tip.width);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      DrawGlyphText(ctx, lines[i], tip.x, tip.y + kLineStep * static_cast<std::int32_t>(i), 4);
    }
  }
}

}  // namespace gm
