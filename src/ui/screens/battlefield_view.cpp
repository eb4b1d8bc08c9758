// Drawing the Battlefield view and its merge keys.
#include "ui/screens/battlefield_view.hpp"

#include <array>

#include "flow/screen_flags.hpp"
#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "world/merging.hpp"
#include "world/reach_grids.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

// The merge keys by NeighbourFlags byte (row by row from the north-west), with the letter's
// place on the selected cell. Byte 4 is the formation itself.
struct MergeKey {
  char letter;
  std::int32_t dx;
  std::int32_t dy;
};
constexpr std::array<MergeKey, 9> kMergeKeys = {{{'Q', 7, 5},
                                                 {'W', 24, 5},
                                                 {'E', 41, 5},
                                                 {'A', 7, 22},
                                                 {'S', 0, 0},
                                                 {'D', 41, 22},
                                                 {'Z', 7, 39},
                                                 {'X', 24, 39},
                                                 {'C', 41, 39}}};

// The input states start-up binds to Q W E A S D Z X C, in that order.
bool KeyHeld(const UiContext& ctx, int flagByte) {
  return ctx.input.States.Contains(static_cast<TDXInputState>(isButton3 + flagByte));
}
constexpr int kKeyS = 4;

void DrawUnits(UiContext& ctx, const TMapCell& cell, std::int32_t px, std::int32_t py) {
  const World& w = ctx.w;
  const TFormation* ground = UsedFormation(w, cell.GroundFormation);
  const TFormation* air = UsedFormation(w, cell.AirFormation);
  const auto groundPicture = [&](const TFormation& f) {
    if (f.OrdersLeft == 0) {
      DrawImage(ctx, sprite::SpentUnitSymbol(f.FormationType), px, py);
    } else if (f.OrdersLeft <= 2) {
      DrawImage(ctx, sprite::UnitSymbol(f.FormationType), px, py);
    }
  };
  if (w.ScreenFlags[kFlagLayer] == kLayerArmy) {
    if (air != nullptr) DrawImage(ctx, sprite::UnitSymbol(air->FormationType), px, py);
    if (ground != nullptr && ground->OrdersLeft <= 2) {
      groundPicture(*ground);
      DrawImage(ctx, sprite::OrdersLeftMark(ground->OrdersLeft), px + 45, py + 45);
      DrawImage(ctx, sprite::NationMark(NationOf(*ground)), px, py + 45);
    }
  } else if (w.ScreenFlags[kFlagLayer] == kLayerAir) {
    if (ground != nullptr) groundPicture(*ground);
    if (air != nullptr) {
      DrawImage(ctx, sprite::UnitSymbol(air->FormationType), px, py);
      DrawImage(ctx, sprite::OrdersLeftMark(air->OrdersLeft), px + 45, py + 15);
      DrawImage(ctx, sprite::NationMark(NationOf(*air)), px, py + 15);
    }
  }
}

// The army reach marks by code.
sprite::MapMark GroundReachMark(const UiContext& ctx, std::int32_t code) {
  switch (code) {
    case kReachMove:
    case kReachDrop:
      return sprite::kMoveTarget;
    case kReachFire:
      return InBlink(ctx, sprite::kArtilleryTarget);
    case kReachAssault:
      return InBlink(ctx, sprite::kAssaultTarget);
    case kReachOwnCell:
      return InBlink(ctx, sprite::kOwnCell);
    default:
      return sprite::kShade;
  }
}

sprite::MapMark AirReachMark(const UiContext& ctx, std::int32_t code) {
  switch (code) {
    case kAirRebase:
      return sprite::kMoveTarget;
    case kAirStrike:
      return InBlink(ctx, sprite::kAirStrikeTarget);
    case kAirEnemyAir:
      return InBlink(ctx, sprite::kEnemyAirTarget);
    case 5:  // no grid holds it today
      return InBlink(ctx, sprite::kAirFifthMark);
    case kAirOwnCell:
      return InBlink(ctx, sprite::kOwnAirCell);
    default:
      return sprite::kShade;
  }
}

// The own cell with S held: the merge backdrop, the letters of the neighbours that can merge,
// and the merge of the first one whose key is held, in the order of the merge directions.
void MergeKeysOnOwnCell(UiContext& ctx, std::int32_t px, std::int32_t py) {
  World& w = ctx.w;
  DrawImage(ctx, sprite::kMergeKeysGround, px, py);
  for (int k = 0; k < 9; ++k) {
    if (k == kKeyS || w.NeighbourFlags[static_cast<std::size_t>(k)] != 1) continue;
    const MergeKey& key = kMergeKeys[static_cast<std::size_t>(k)];
    DrawGlyphText(ctx, std::string_view(&key.letter, 1), px + key.dx, py + key.dy, 3);
  }
  for (int direction = 1; direction <= 9; ++direction) {
    const int k = FlagByteForMergeDirection(direction);
    if (k == kKeyS || w.NeighbourFlags[static_cast<std::size_t>(k)] != 1) continue;
    if (KeyHeld(ctx, k)) MergeFormations(w, static_cast<std::uint8_t>(direction));
  }
}

void DrawReachOverlay(UiContext& ctx, int mapX, int mapY, std::int32_t px, std::int32_t py) {
  World& w = ctx.w;
  const int dx = w.Selection[1] - mapX;
  const int dy = w.Selection[2] - mapY;
  const bool computer = w.ScreenFlags[kFlagComputerTurn] == 1;
  if (w.ScreenFlags[kFlagLayer] == kLayerArmy) {
    if (dx <= -kGroundGridCentre || dx >= kGroundGridCentre || dy <= -kGroundGridCentre ||
        dy >= kGroundGridCentre) {
      DrawImage(ctx, sprite::kShade, px, py);
      return;
    }
    const std::int32_t g = w.GroundReachGrid(kGroundGridCentre - dy, kGroundGridCentre - dx);
    if (g == kReachOwnCell) {
      if (!computer && KeyHeld(ctx, kKeyS)) {
        MergeKeysOnOwnCell(ctx, px, py);
      } else if (!computer) {
        DrawImage(ctx, GroundReachMark(ctx, g), px, py);
      }
      return;
    }
    DrawImage(ctx, GroundReachMark(ctx, g), px, py);
  } else if (w.ScreenFlags[kFlagLayer] == kLayerAir) {
    if (dx <= -kAirGridCentre || dx >= kAirGridCentre || dy <= -kAirGridCentre ||
        dy >= kAirGridCentre) {
      DrawImage(ctx, sprite::kShade, px, py);
      return;
    }
    const std::int32_t g = w.AirReachGrid(kAirGridCentre - dy, kAirGridCentre - dx);
    DrawImage(ctx, AirReachMark(ctx, g), px, py);
  }
}

}  // namespace

void ScrollAtEdges(UiContext& ctx, std::int32_t& originX, std::int32_t& originY, std::int32_t maxX,
                   std::int32_t maxY) {
  UiState& ui = ctx.ui;
  const std::int32_t mx = ui.MouseX, my = ui.MouseY;
  if (mx == 0) {
    if (originX > 0) --originX;
    ui.CursorShape = kCursorScrollWest;
  }
  if (my == 0) {
    if (originY > kViewMinY) --originY;
    ui.CursorShape = kCursorScrollNorth;
  }
  if (mx == kFrameWidth - 1) {
    if (originX < maxX) ++originX;
    ui.CursorShape = kCursorScrollEast;
  }
  if (my == kFrameHeight - 1) {
    if (originY < maxY) ++originY;
    ui.CursorShape = kCursorScrollSouth;
  }
  if (mx > 0 && mx < kFrameWidth - 1 && my > 0 && my < kFrameHeight - 1) {
    ui.CursorShape = kCursorArrow;
  }
  if (mx == 0 && my == 0) ui.CursorShape = kCursorScrollNorthWest;
  if (mx == kFrameWidth - 1 && my == 0) ui.CursorShape = kCursorScrollNorthEast;
  if (mx == kFrameWidth - 1 && my == kFrameHeight - 1) ui.CursorShape = kCursorScrollSouthEast;
  if (mx == 0 && my == kFrameHeight - 1) ui.CursorShape = kCursorScrollSouthWest;
}

void DrawBattlefieldStage(UiContext& ctx) {
  World& w = ctx.w;
  DrawImage(ctx, sprite::kZoomBattlefieldButton, 740, 103);
  if (w.ScreenFlags[kFlagZoom] == kZoomBattlefield)
    ScrollAtEdges(ctx, w.ViewX, w.ViewY, kViewMaxX, kViewMaxY);
  for (int r = 0; r < kBattlefieldRows; ++r) {
    for (int c = 0; c < kBattlefieldColumns; ++c) {
      const int x = w.ViewX + c, y = w.ViewY + r;
      if (!OnMap(x, y)) continue;
      const TMapCell& cell = Cell(w, x, y);
      const std::int32_t px = kBattlefieldCellPixels * c, py = kBattlefieldCellPixels * r;
      if (cell.Terrain < kTerrainTileCount)
        DrawImage(ctx, sprite::TerrainTile(cell.Terrain), px, py);
      if (ctx.ui.ShowGrid == 1 && r > 0 && c > 0) {
        DrawImage(ctx, sprite::kGridMark, px - 7, py - 7);
      }
      if (cell.Settlement > 0 && cell.Settlement <= kMaxSettlements) {
        const int n = Settlement(w, cell.Settlement).HolderNation;
        const auto flag = sprite::SettlementFlag(n, ctx.ui.BlinkPhase == 0);
        DrawImage(ctx, flag.left, px + 15, py + 45);
        DrawImage(ctx, flag.right, px + 30, py + 45);
      }
      DrawUnits(ctx, cell, px, py);
      if (w.Selection[0] == 1) DrawReachOverlay(ctx, x, y, px, py);
      if (w.Selection[0] == 1 && x == w.Selection[1] && y == w.Selection[2]) {
        ctx.ui.AttackerScreenCell = {c, r};
      }
      if (w.Selection[0] == 1 && x == w.TargetX && y == w.TargetY) {
        ctx.ui.TargetScreenPos = {px, py};
      }
    }
  }
}

void ClickBattlefield(UiContext& ctx) {
  if (!kMapArea.Contains(ctx.ui.MouseX, ctx.ui.MouseY)) return;
  ctx.ui.MapClicked = 1;
  ctx.ui.ClickedCellX = ctx.ui.MouseX / kBattlefieldCellPixels + ctx.w.ViewX;
  ctx.ui.ClickedCellY = ctx.ui.MouseY / kBattlefieldCellPixels + ctx.w.ViewY;
}

}  // namespace gm
