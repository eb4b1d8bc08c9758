// The lines that describe a map cell in the bottom panel: its settlement's marks and value, and
// the formations standing there with the terrain's modifiers for their kind. The selected cell's
// lines start at x 13, the lines of the cell under the pointer 355 pixels further right.
#pragma once

#include <cstdint>
#include <string>

#include "ui/ui_context.hpp"
#include "world/tables/tables.hpp"

namespace gm {

inline constexpr std::int32_t kSelectedLinesX = 13;
inline constexpr std::int32_t kHoverLinesX = 368;

// "12 Rifle division" or the type's name alone when the formation has no number.
std::string FormationNameLine(const TFormation& f);
// "ADB:a DB:d AB:b" for ground kinds 4..10, "ADB:a AirAB:b" for air kinds 21..24, else empty.
std::string TerrainModifierText(const TTerrainTile& tile, int kind);
// The settlement's 40 stored characters.
std::string SettlementName(const TSettlement& s);
// The selected cell's line and Map1's hover line: "Road-Plain (174,223)  ", then the
// settlement's name when the cell holds one.
std::string CellNameLine(const World& w, int x, int y);

// The settlement marks and "Eco" value, and the ground and air formation lines, of the cell
// (x, y), with the panel's lines starting at `left`.
void DrawCellDetailLines(UiContext& ctx, int x, int y, std::int32_t left);

}  // namespace gm
