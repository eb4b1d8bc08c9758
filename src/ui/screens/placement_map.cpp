// Placing a new formation: the Battlefield-scale map with the forbidden cells shaded, the cell
// under the pointer framed and the hint lines, and the placing click.
#include "ui/screens/placement_map.hpp"

#include <string_view>

#include "flow/screen_flags.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/battlefield_view.hpp"
#include "ui/screens/overlay.hpp"
#include "ui/ui_texts.hpp"
#include "world/new_formation.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::int32_t kCell = kBattlefieldCellPixels;

constexpr std::int32_t kHintX = 370;

// Why a click on an allowed cell raised nothing; the first hint line says it.
constexpr std::string_view kNoFreeRecord = "All 10000 unit records are in use";

void DrawCell(UiContext& ctx, const TMapCell& cell, std::int32_t px, std::int32_t py) {
  const World& w = ctx.w;
  if (cell.Terrain < kTerrainTileCount) DrawImage(ctx, sprite::TerrainTile(cell.Terrain), px, py);
  if (cell.Settlement > 0 && cell.Settlement <= kMaxSettlements) {
    const int h = Settlement(w, cell.Settlement).HolderNation;
    const auto flag = sprite::SettlementFlag(h, ctx.ui.BlinkPhase == 0);
    DrawImage(ctx, flag.left, px + 15, py + 45);
    DrawImage(ctx, flag.right, px + 30, py + 45);
  }
  if (const TFormation* air = UsedFormation(w, cell.AirFormation)) {
    DrawImage(ctx, sprite::UnitSymbol(air->FormationType), px, py);
  }
  if (const TFormation* ground = UsedFormation(w, cell.GroundFormation)) {
    if (ground->OrdersLeft == 0) {
      DrawImage(ctx, sprite::SpentUnitSymbol(ground->FormationType), px, py);
    } else if (ground->OrdersLeft <= 2) {
      DrawImage(ctx, sprite::UnitSymbol(ground->FormationType), px, py);
    }
  }
  if (cell.PlacementAllowed == 0) DrawImage(ctx, sprite::kShade, px, py);
}

}  // namespace

void DrawPlacementMap(UiContext& ctx) {
  World& w = ctx.w;
  UiState& ui = ctx.ui;
  const int font = ui.BlinkPhase == 1 ? 2 : 1;
  const std::string_view first =
      ui.PageMessage.empty() ? std::string_view(HintTexts.placeUnit[0]) : ui.PageMessage;
  DrawGlyphText(ctx, first, kHintX, 552, font);
  DrawGlyphText(ctx, HintTexts.placeUnit[1], kHintX, 564, font);
  DrawGlyphText(ctx, HintTexts.placeUnit[2], kHintX, 576, font);

  ScrollAtEdges(ctx, w.ViewX, w.ViewY, kViewMaxX, kViewMaxY);
  for (int r = 0; r < kBattlefieldRows; ++r) {
    for (int c = 0; c < kBattlefieldColumns; ++c) {
      const int x = w.ViewX + c, y = w.ViewY + r;
      if (OnMap(x, y)) DrawCell(ctx, Cell(w, x, y), kCell * c, kCell * r);
    }
  }
  StepBlink(ctx);
  if (ShortOfMapAreaEnd(ui.MouseX, ui.MouseY)) {
    DrawImage(ctx, InBlink(ctx, sprite::kCellFrame), kCell * (ui.MouseX / kCell),
              kCell * (ui.MouseY / kCell));
  }
}

void ClickPlacementMap(UiContext& ctx) {
  World& w = ctx.w;
  UiState& ui = ctx.ui;
  w.TargetX = ui.MouseX / kCell + w.ViewX;
  w.TargetY = ui.MouseY / kCell + w.ViewY;
  if (!kMapArea.Contains(ui.MouseX, ui.MouseY) || w.Lists.PlacementPending != 1) return;
  if (!OnMap(w.TargetX, w.TargetY) || Cell(w, w.TargetX, w.TargetY).PlacementAllowed != 1) return;
  switch (PlaceNewFormation(w, w.TargetX, w.TargetY, w.Lists.PlacementType)) {
    case PlacementResult::kPlaced:
      ui.PageMessage.clear();
      RestoreScreenFlags(w);
      w.Lists.PlacementPending = 0;
      break;
    case PlacementResult::kNoFreeRecord:
      ui.PageMessage = kNoFreeRecord;
      break;
    case PlacementResult::kNoMen:
      ui.PageMessage = FormingMessage(kRaiseNoMen);
      break;
  }
}

}  // namespace gm
