// Bottom-panel lines for a map cell.
#include "ui/screens/cell_lines.hpp"

#include "ui/glyph_text.hpp"
#include "ui/image_draw.hpp"
#include "world/tables/tables.hpp"
#include "world/world_access.hpp"

namespace gm {

std::string FormationNameLine(const TFormation& f) {
  const std::string name(TypeOf(f).Name.View());
  if (f.FormationNumber > 0) return std::to_string(f.FormationNumber) + " " + name;
  return name;
}

std::string TerrainModifierText(const TTerrainTile& tile, int kind) {
  const std::string adb = "ADB:" + std::to_string(tile.AirDefenceBonus);
  if (kind >= 4 && kind <= 10) {
    return adb + " DB:" + std::to_string(tile.DefenceBonus[kind - 4]) +
           " AB:" + std::to_string(tile.AttackBonus[kind - 4]);
  }
  if (kind >= 21 && kind <= 24) {
    return adb + " AirAB:" + std::to_string(tile.AirAttackBonus[kind - 21]);
  }
  return {};
}

std::string SettlementName(const TSettlement& s) {
  return std::string(s.Name.data(), s.Name.size());
}

std::string CellNameLine(const World& w, int x, int y) {
  const TMapCell& cell = Cell(w, x, y);
  std::string line;
  // A blank after the terrain's name, or it reads as one word with the coordinates.
  if (cell.Terrain < kTerrainTileCount) {
    line = std::string(TerrainTiles[cell.Terrain].Name.View()) + " ";
  }
  line += "(" + std::to_string(x) + "," + std::to_string(y) + ")  ";
  if (cell.Settlement > 0 && cell.Settlement <= kMaxSettlements) {
    line += SettlementName(Settlement(w, cell.Settlement));
  }
  return line;
}

void DrawCellDetailLines(UiContext& ctx, int x, int y, std::int32_t left) {
  if (!OnMap(x, y)) return;
  const World& w = ctx.w;
  const TMapCell& cell = Cell(w, x, y);
  const TTerrainTile* tile =
      cell.Terrain < kTerrainTileCount ? &TerrainTiles[cell.Terrain] : nullptr;
  if (cell.Settlement > 0 && cell.Settlement <= kMaxSettlements) {
    const TSettlement& s = Settlement(w, cell.Settlement);
    DrawImage(ctx, sprite::NationMark(s.OwnerNation), left + 250, 551);
    DrawImage(ctx, sprite::NationMark(s.HolderNation), left + 270, 551);
    DrawGlyphText(ctx, "Eco " + std::to_string(s.Value), left + 290, 553, 2);
  }
  // The lines read the cell's words, so a record left free counts as no formation.
  if (const TFormation* f = UsedFormation(w, cell.GroundFormation)) {
    DrawImage(ctx, sprite::NationMark(NationOf(*f)), left, 563);
    DrawGlyphText(ctx, FormationNameLine(*f), left + 16, 565, 1);
    if (tile != nullptr && KindOf(*f) >= 4 && KindOf(*f) <= 10) {
      DrawGlyphText(ctx, TerrainModifierText(*tile, KindOf(*f)), left + 240, 565, 1);
    }
  }
  if (const TFormation* f = UsedFormation(w, cell.AirFormation)) {
    DrawImage(ctx, sprite::NationMark(NationOf(*f)), left, 576);
    DrawGlyphText(ctx, FormationNameLine(*f), left + 16, 577, 1);
    if (tile != nullptr && KindOf(*f) >= 21 && KindOf(*f) <= 24) {
      DrawGlyphText(ctx, TerrainModifierText(*tile, KindOf(*f)), left + 240, 577, 1);
    }
  }
}

}  // namespace gm
