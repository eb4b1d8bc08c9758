// The middle zoom level of the map.
#include "ui/screens/map1_view.hpp"

#include <string>

#include "flow/screen_flags.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/battlefield_view.hpp"
#include "ui/screens/cell_lines.hpp"
#include "ui/screens/map2_view.hpp"
#include "ui/ui_texts.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::int32_t kTile = 20;
constexpr int kColumns = 36;
constexpr int kRows = 27;

// A formation's nation mark: formations that can still act blink.
void DrawFormationMark(UiContext& ctx, const TFormation& f, std::int32_t px, std::int32_t py) {
  const int n = NationOf(f);
  const bool lit = ctx.ui.BlinkPhase == 1 && f.OrdersLeft > 0;
  DrawImage(ctx, lit ? sprite::LitNationMark(n) : sprite::NationMark(n), px, py);
}

void DrawHoverLine(UiContext& ctx) {
  World& w = ctx.w;
  const UiState& ui = ctx.ui;
  if (!kMapArea.Contains(ui.MouseX, ui.MouseY)) return;
  w.TargetX = ui.MouseX / kTile + w.Map1X;
  w.TargetY = ui.MouseY / kTile + w.Map1Y;
  if (!OnMap(w.TargetX, w.TargetY)) return;
  const TMapCell& cell = Cell(w, w.TargetX, w.TargetY);
  if (cell.Settlement > 0 && cell.Settlement <= kMaxSettlements) {
    const TSettlement& s = Settlement(w, cell.Settlement);
    DrawImage(ctx, sprite::NationMark(s.OwnerNation), 618, 551);
    DrawImage(ctx, sprite::NationMark(s.HolderNation), 638, 551);
    DrawGlyphText(ctx, "Eco " + std::to_string(s.Value), 658, 553, 2);
  }
  DrawGlyphText(ctx, CellNameLine(w, w.TargetX, w.TargetY), kHoverLinesX, 553, 2);
}

}  // namespace

void DrawMap1Stage(UiContext& ctx) {
  World& w = ctx.w;
  if (w.ScreenFlags[kFlagZoom] != kZoomMap1) return;
  DrawImage(ctx, sprite::kZoomMap1Button, 740, 103);
  ScrollAtEdges(ctx, w.Map1X, w.Map1Y, kMap1MaxX, kMap1MaxY);
  TDirectDrawSurface& back = ctx.Back();
  const TDirectDrawSurface* atlas = ctx.pictures.Map1Surface;
  if (atlas != nullptr && atlas->HasSurface()) {
    for (int r = 0; r < kRows; ++r) {
      for (int c = 0; c < kColumns; ++c) {
        const int x = w.Map1X + c, y = w.Map1Y + r;
        if (!OnMap(x, y)) continue;
        const std::int32_t t = Cell(w, x, y).Terrain;
        if (t >= kTerrainTileCount) continue;  // no tile, as on the Battlefield
        const std::int32_t sx = kTile * (t % kTerrainTilesPerImage);
        const std::int32_t sy = kTile * (t / kTerrainTilesPerImage);
        back.BltFast(kTile * c, kTile * r, TRect{sx, sy, sx + kTile, sy + kTile}, 0, *atlas);
      }
    }
  }
  const std::uint8_t layer = w.ScreenFlags[kFlagLayer];
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      const int x = w.Map1X + c, y = w.Map1Y + r;
      if (!OnMap(x, y)) continue;
      const TMapCell& cell = Cell(w, x, y);
      const std::int32_t px = kTile * c, py = kTile * r;
      if (cell.Settlement > 0 && cell.Settlement <= kMaxSettlements) {
        const int h = Settlement(w, cell.Settlement).HolderNation;
        const auto flag = sprite::SettlementFlag(h, ctx.ui.BlinkPhase == 0);
        DrawImage(ctx, flag.left, px + 2, py + 2);
        DrawImage(ctx, flag.right, px + 17, py + 2);
      }
      if (layer == 2) {
        if (const TFormation* f = UsedFormation(w, cell.GroundFormation)) {
          DrawFormationMark(ctx, *f, px + 2, py + 2);
        }
      }
      if (layer == 1) {
        if (const TFormation* f = UsedFormation(w, cell.AirFormation)) {
          DrawFormationMark(ctx, *f, px + 2, py + 2);
        }
      }
    }
  }
  DrawHoverLine(ctx);
  const int font = ctx.ui.BlinkPhase == 1 ? 2 : 1;
  DrawGlyphText(ctx, HintTexts.map1[0], 13, 553, font);
  DrawGlyphText(ctx, HintTexts.map1[1], 13, 565, font);
}

void ClickMap1View(UiContext& ctx) {
  if (!kMapArea.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) return;
  CentreBattlefieldOn(ctx, ctx.ui.MouseX / kTile + ctx.w.Map1X,
                      ctx.ui.MouseY / kTile + ctx.w.Map1Y);
}

}  // namespace gm
