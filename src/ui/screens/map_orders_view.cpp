// Map orders, hover feedback, the unit card and the action animation.
#include "ui/screens/map_orders_view.hpp"

#include <array>
#include <string>

#include "flow/action_animation.hpp"
#include "flow/map_orders.hpp"
#include "flow/screen_flags.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "ui/screens/battlefield_view.hpp"
#include "ui/screens/cell_lines.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

std::string CountLine(std::uint16_t count, std::string_view name) {
  return std::to_string(count) + " " + std::string(name);
}

// Where equipment slot k of a ground formation is listed on the card; slots 6 and 7 are not.
bool CardSlotPlace(int k, std::int32_t& x, std::int32_t& y) {
  if (k <= 5) {
    x = 15, y = 51 + 12 * k;
  } else if (k >= 8 && k <= 13) {
    x = 15, y = 123 + 12 * (k - 8);
  } else if (k >= 14 && k <= 24) {
    x = 125, y = 51 + 12 * (k - 14);
  } else if (k >= 25 && k <= 30) {
    x = 235, y = 51 + 12 * (k - 25);
  } else {
    return false;
  }
  return true;
}

// Aircraft pair k of an air formation on the card's lower part.
constexpr std::array<std::array<std::int32_t, 2>, 8> kCardAircraftPlaces = {
    {{15, 239}, {15, 251}, {125, 239}, {125, 251}, {125, 263}, {125, 275}, {235, 239}, {235, 251}}};

void DrawUnitCard(UiContext& ctx, const TMapCell& cell) {
  const World& w = ctx.w;
  UiState& ui = ctx.ui;
  const TFormation* ground = UsedFormation(w, cell.GroundFormation);
  if (ground == nullptr) return;
  ui.CardOffsetX = ui.MouseX < 360 ? 0 : -360;
  ui.CardOffsetY = ui.MouseY < 300 ? 0 : -300;
  const std::int32_t cx = ui.MouseX + ui.CardOffsetX, cy = ui.MouseY + ui.CardOffsetY;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 6; ++c)
      DrawImage(ctx, sprite::kUnitCard[6 * r + c], cx + 60 * c, cy + 60 * r);
  }
  const TFormation& f = *ground;
  DrawGlyphText(ctx, FormationNameLine(f), cx + 15, cy + 15, 1);
  DrawGlyphText(ctx,
                "Humans: " + std::to_string(f.Men) +
                    " Experience: " + std::to_string(f.Experience) +
                    " Morale: " + std::to_string(f.Morale) + " Ammo: " + std::to_string(f.Ammo),
                cx + 15, cy + 39, 1);
  for (int k = 0; k < kEquipmentPairs; ++k) {
    const TEquipmentPair& p = f.pairs[static_cast<std::size_t>(k)];
    std::int32_t x = 0, y = 0;
    if (p.Count == 0 || !CardSlotPlace(k, x, y)) continue;
    const std::string_view name =
        p.Model >= 1 && p.Model <= kEquipmentModelRows ? EquipmentModels[p.Model].Name.View() : "";
    DrawGlyphText(ctx, CountLine(p.Count, name), cx + x, cy + y, 1);
  }
  if (f.Cars > 0) DrawGlyphText(ctx, "Cars: " + std::to_string(f.Cars), cx + 235, cy + 123, 1);
  if (f.Horses > 0) {
    DrawGlyphText(ctx, "Horses: " + std::to_string(f.Horses), cx + 235, cy + 135, 1);
  }
  if (const TFormation* air = UsedFormation(w, cell.AirFormation)) {
    DrawGlyphText(ctx, FormationNameLine(*air), cx + 15, cy + 203, 1);
    DrawGlyphText(ctx,
                  "Experience: " + std::to_string(air->Experience) +
                      " Morale: " + std::to_string(air->Morale),
                  cx + 15, cy + 227, 1);
    for (std::size_t k = 0; k < kCardAircraftPlaces.size(); ++k) {
      const TEquipmentPair& p = air->pairs[k];
      if (p.Count == 0) continue;
      const std::string_view name =
          p.Model >= 1 && p.Model <= kAircraftModelRows ? AircraftModels[p.Model].Name.View() : "";
      DrawGlyphText(ctx, CountLine(p.Count, name), cx + kCardAircraftPlaces[k][0],
                    cy + kCardAircraftPlaces[k][1], 1);
    }
  }
}

void DrawHoverLines(UiContext& ctx) {
  const World& w = ctx.w;
  const int x = w.TargetX, y = w.TargetY;
  if (!OnMap(x, y)) return;
  const TMapCell& cell = Cell(w, x, y);
  std::string line = "(" + std::to_string(x) + "," + std::to_string(y) + ")  ";
  if (cell.Terrain < kTerrainTileCount) line += std::string(TerrainTiles[cell.Terrain].Name.View());
  // A blank between the two names, or they read as one word ("TownOrtelsburg").
  if (cell.Settlement > 0 && cell.Settlement <= kMaxSettlements) {
    line += " " + SettlementName(Settlement(w, cell.Settlement));
  }
  DrawGlyphText(ctx, line, kHoverLinesX, 553, 2);
  DrawCellDetailLines(ctx, x, y, kHoverLinesX);
}

// The fire of an effect phase: ticks 1-5, 6-10, 11-15, 16-20, 21-25.
sprite::MapMark EffectPicture(std::uint8_t tick) {
  return sprite::kCombatFire[(tick - 1) / 5];
}

}  // namespace

void RunMapOrdersStage(UiContext& ctx) {
  World& w = ctx.w;
  UiState& ui = ctx.ui;
  ui.GroundHere = ui.AirHere = false;
  if (ui.MapClicked == 1) {
    // The click acts on the cell it was made on, wherever the pointer is now.
    w.TargetX = ui.ClickedCellX;
    w.TargetY = ui.ClickedCellY;
    ui.TargetScreenPos = {kBattlefieldCellPixels * (w.TargetX - w.ViewX),
                          kBattlefieldCellPixels * (w.TargetY - w.ViewY)};
    MapClickAt(w, ctx.flow);
    ui.MapClicked = 0;
  }
  if (!kMapArea.Contains(ui.MouseX, ui.MouseY)) return;
  // While an animation runs its target stays: the fight reads it at the end.
  if (w.ActionTick == 0) {
    const std::int32_t col = ui.MouseX / kBattlefieldCellPixels,
                       row = ui.MouseY / kBattlefieldCellPixels;
    w.TargetX = col + w.ViewX;
    w.TargetY = row + w.ViewY;
    ui.TargetScreenPos = {kBattlefieldCellPixels * col, kBattlefieldCellPixels * row};
  }
  if (!OnMap(w.TargetX, w.TargetY)) return;
  const TMapCell& cell = Cell(w, w.TargetX, w.TargetY);
  ui.GroundHere = UsedFormation(w, cell.GroundFormation) != nullptr;
  ui.AirHere = UsedFormation(w, cell.AirFormation) != nullptr;
  if (w.ActionTick == 0) {
    if (ui.GroundHere || ui.AirHere) {
      ui.CursorShape = kCursorTarget;
      DrawImage(ctx, InBlink(ctx, sprite::kCellFrame), ui.TargetScreenPos[0],
                ui.TargetScreenPos[1]);
    } else {
      ui.CursorShape = kCursorArrow;
      DrawImage(ctx, InBlink(ctx, sprite::kEmptyCellFrame), ui.TargetScreenPos[0],
                ui.TargetScreenPos[1]);
    }
  }
  DrawHoverLines(ctx);
  if (ui.RightButtonDown == 1) DrawUnitCard(ctx, cell);
}

void RunActionAnimation(UiContext& ctx) {
  World& w = ctx.w;
  const UiState& ui = ctx.ui;
  const std::uint8_t tick = w.ActionTick;
  if (tick > 0 && tick < kActionFrames) {
    const sprite::MapMark fire = EffectPicture(tick);
    const std::int32_t tx = ui.TargetScreenPos[0], ty = ui.TargetScreenPos[1];
    switch (w.ActionKind) {
      case ActionKind::kAssault:
        DrawImage(ctx, fire, kBattlefieldCellPixels * ui.AttackerScreenCell[0],
                  kBattlefieldCellPixels * ui.AttackerScreenCell[1]);
        DrawImage(ctx, fire, tx, ty);
        break;
      case ActionKind::kArtilleryFire:
        DrawImage(ctx, fire, tx, ty);
        break;
      case ActionKind::kAirStrike:
        DrawImage(ctx, fire, tx, ty);
        for (std::size_t n = 0; n < w.Combat.EnemyAAFlags.size(); ++n) {
          if (w.Combat.EnemyAAFlags[n] != 1) continue;
          const auto aa = sprite::AntiAircraftFire(static_cast<int>(n), ui.BlinkPhase == 1);
          if (aa) DrawImage(ctx, *aa, tx, ty);
        }
        break;
      default:
        break;
    }
  }
  FinishAction(w, ctx.flow);
}

}  // namespace gm
