// Drawing the Battlefield view and its merge keys.
#include "ui/screens/battlefield_view.hpp"

#include <array>

#include "flow/screen_flags.hpp"
#include "ui/glyph_text.hpp"
#include "ui/hit_rect.hpp"
#include "ui/image_draw.hpp"
#include "world/merging.hpp"
#include "world/reach_grids.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr HitRect kMapArea{1, 1, 719, 539};

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
      DrawImage(ctx, "Units2", f.FormationType - 1, px, py);
    } else if (f.OrdersLeft <= 2) {
      DrawImage(ctx, "Units", f.FormationType - 1, px, py);
    }
  };
  if (w.ScreenFlags[kFlagLayer] == kLayerArmy) {
    if (air != nullptr) DrawImage(ctx, "Units", air->FormationType - 1, px, py);
    if (ground != nullptr && ground->OrdersLeft <= 2) {
      groundPicture(*ground);
      DrawImage(ctx, "Cursors", 12 - ground->OrdersLeft, px + 45, py + 45);
      DrawImage(ctx, "Cursors", 25 + NationOf(*ground), px, py + 45);
    }
  } else if (w.ScreenFlags[kFlagLayer] == kLayerAir) {
    if (ground != nullptr) groundPicture(*ground);
    if (air != nullptr) {
      DrawImage(ctx, "Units", air->FormationType - 1, px, py);
      DrawImage(ctx, "Cursors", 12 - air->OrdersLeft, px + 45, py + 15);
      DrawImage(ctx, "Cursors", 25 + NationOf(*air), px, py + 15);
    }
  }
}

// Table4 patterns of the army reach marks, by code, for blink phases 0 and 1.
std::int32_t GroundReachPattern(std::int32_t code, std::uint8_t phase) {
  switch (code) {
    case kReachMove:
    case kReachDrop:
      return 23;
    case kReachFire:
      return phase == 0 ? 21 : 14;
    case kReachAssault:
      return phase == 0 ? 22 : 15;
    case kReachOwnCell:
      return phase == 0 ? 1 : 24;
    default:
      return 20;
  }
}

std::int32_t AirReachPattern(std::int32_t code, std::uint8_t phase) {
  switch (code) {
    case 1:
      return 23;
    case 2:
      return phase == 0 ? 6 : 3;
    case 3:
      return phase == 0 ? 7 : 4;
    case 5:
      return phase == 0 ? 8 : 5;
    case 4:
      return phase == 0 ? 2 : 9;
    default:
      return 20;
  }
}

// The own cell with S held: the merge backdrop, the letters of the neighbours that can merge,
// and the merge of the first one whose key is held, in the order of the merge directions.
void MergeKeysOnOwnCell(UiContext& ctx, std::int32_t px, std::int32_t py) {
  World& w = ctx.w;
  DrawImage(ctx, "Table4", 0, px, py);
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
  const std::uint8_t phase = ctx.ui.BlinkPhase;
  const int dx = w.Selection[1] - mapX;
  const int dy = w.Selection[2] - mapY;
  const bool computer = w.ScreenFlags[kFlagComputerTurn] == 1;
  if (w.ScreenFlags[kFlagLayer] == kLayerArmy) {
    if (dx <= -kGroundGridCentre || dx >= kGroundGridCentre || dy <= -kGroundGridCentre ||
        dy >= kGroundGridCentre) {
      DrawImage(ctx, "Table4", 20, px, py);
      return;
    }
    const std::int32_t g = w.GroundReachGrid(kGroundGridCentre - dy, kGroundGridCentre - dx);
    if (g == kReachOwnCell) {
      if (!computer && KeyHeld(ctx, kKeyS)) {
        MergeKeysOnOwnCell(ctx, px, py);
      } else if (!computer) {
        DrawImage(ctx, "Table4", GroundReachPattern(g, phase), px, py);
      }
      return;
    }
    DrawImage(ctx, "Table4", GroundReachPattern(g, phase), px, py);
  } else if (w.ScreenFlags[kFlagLayer] == kLayerAir) {
    if (dx <= -kAirGridCentre || dx >= kAirGridCentre || dy <= -kAirGridCentre ||
        dy >= kAirGridCentre) {
      DrawImage(ctx, "Table4", 20, px, py);
      return;
    }
    const std::int32_t g = w.AirReachGrid(kAirGridCentre - dy, kAirGridCentre - dx);
    DrawImage(ctx, "Table4", AirReachPattern(g, phase), px, py);
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
  DrawImage(ctx, "Pictogram", 0, 740, 103);
  if (w.ScreenFlags[kFlagZoom] == kZoomBattlefield)
    ScrollAtEdges(ctx, w.ViewX, w.ViewY, kViewMaxX, kViewMaxY);
  for (int r = 0; r < kBattlefieldRows; ++r) {
    for (int c = 0; c < kBattlefieldColumns; ++c) {
      const int x = w.ViewX + c, y = w.ViewY + r;
      if (!OnMap(x, y)) continue;
      const TMapCell& cell = Cell(w, x, y);
      const std::int32_t px = kBattlefieldCellPixels * c, py = kBattlefieldCellPixels * r;
      const std::string_view terrain = TerrainImageName(cell.Terrain);
      if (!terrain.empty()) {
        DrawImage(ctx, terrain, cell.Terrain % kTerrainPatternsPerImage, px, py);
      }
      if (ctx.ui.ShowGrid == 1 && r > 0 && c > 0) DrawImage(ctx, "Cursors", 36, px - 7, py - 7);
      if (cell.Settlement > 0 && cell.Settlement <= kMaxSettlements) {
        const int n = Settlement(w, cell.Settlement).HolderNation;
        const int first = ctx.ui.BlinkPhase == 0 ? 2 * n + 35 : 2 * n + 72;
        DrawImage(ctx, "Cursors", first, px + 15, py + 45);
        DrawImage(ctx, "Cursors", first + 1, px + 30, py + 45);
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
