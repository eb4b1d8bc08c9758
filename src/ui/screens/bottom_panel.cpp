// Panels and the selected cell's lines.
#include "ui/screens/bottom_panel.hpp"

#include <string>

#include "flow/screen_flags.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/cell_lines.hpp"
#include "ui/ui_texts.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

void DrawSelectedCellLines(UiContext& ctx) {
  const World& w = ctx.w;
  const int x = w.Selection[1], y = w.Selection[2];
  if (!OnMap(x, y)) return;
  DrawGlyphText(ctx, CellNameLine(w, x, y), kSelectedLinesX, 553, 2);
  DrawCellDetailLines(ctx, x, y, kSelectedLinesX);
}

}  // namespace

void DrawPanels(UiContext& ctx) {
  const World& w = ctx.w;
  DrawImage(ctx, sprite::kBottomPanel, 0, 540);
  DrawImage(ctx, sprite::kSidebarPanel, 720, 0);
  if (w.ScreenFlags[kFlagZoom] == kZoomBattlefield) {
    if (w.Selection[0] == 1) {
      DrawSelectedCellLines(ctx);
    } else {
      const int font = ctx.ui.BlinkPhase == 1 ? 2 : 1;
      for (int i = 0; i < 3; ++i) {
        DrawGlyphText(ctx, HintTexts.selectUnit[static_cast<std::size_t>(i)], 13, 553 + 12 * i,
                      font);
      }
    }
  }
  DrawImage(ctx,
            w.SideOnMove == kSovietSide ? sprite::kSovietSideOnMove : sprite::kGermanSideOnMove,
            740, 54);
}

}  // namespace gm
