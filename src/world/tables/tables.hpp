// The constant tables of the game: formation types, equipment and aircraft models, terrain tiles
// and month lengths. Built into the program; no rule writes them.
#pragma once

#include <array>
#include <cstdint>

#include "world/tables/table_types.hpp"

namespace gm {

inline constexpr int kFormationTypeRows = 200;   // rows 1..200
inline constexpr int kEquipmentModelRows = 800;  // rows 1..800 = model numbers 1..800
inline constexpr int kAircraftModelRows = 400;   // rows 1..400 = model numbers 801..1200
inline constexpr int kAircraftModelBase = 800;   // model number of aircraft row r is 800 + r
inline constexpr int kTerrainTileCount = 675;    // tiles 0..674
inline constexpr int kMonthDaysFirstYear = 1939;
inline constexpr int kMonthDaysCount = 84;  // January 1939 .. December 1945

// Element 0 of the three numbered tables is an empty row that no lookup may use.
extern const std::array<TFormationType, kFormationTypeRows + 1> FormationTypes;
extern const std::array<TEquipmentModel, kEquipmentModelRows + 1> EquipmentModels;
extern const std::array<TAircraftModel, kAircraftModelRows + 1> AircraftModels;
extern const std::array<TTerrainTile, kTerrainTileCount> TerrainTiles;
// Entry (Year - 1939) * 12 + Month - 1 holds the days of that month.
extern const std::array<std::uint16_t, kMonthDaysCount> MonthDays;

}  // namespace gm
