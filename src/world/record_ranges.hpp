// The ranges of the values each block of the world may hold: header, map cells, formations,
// settlements and the economy. The whole-world check (world/world_check) runs them together with
// the cross-references; the encoder shares the header's size limits.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/status.hpp"
#include "world/tables/tables.hpp"
#include "world/world.hpp"

namespace gm {

// The largest count a per-nation table may hold. Real wars stay in the millions; from here the
// daily growth of the whole war (recruits, cars, horses at a five-thousandth a day) cannot carry
// a pool past 2^31, where it would turn negative.
inline constexpr std::int32_t kPoolLimit = 1'000'000'000;

// Adds to a per-nation count, stopping at kPoolLimit: a count a file made by hand put at the
// limit must not grow past it, or the game's own next save is refused. A count already past it
// (read as unsigned, as the economy keeps them) is left as it is, and so is one given nothing.
inline void AddToPoolWithinLimit(std::int32_t& count, std::int64_t amount) {
  const std::uint32_t v = static_cast<std::uint32_t>(count);
  if (amount <= 0 || v >= static_cast<std::uint32_t>(kPoolLimit)) return;
  count = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{v} + amount, kPoolLimit));
}

// The map at most 1000 x 400 cells, at most 10,000 formations and 20,000 settlements.
Status CheckHeaderLimits(const TGameHeader& h);

// The limits, then the date: a day of 1939 to 1945.
Status CheckHeaderValues(const TGameHeader& h);

// A cell's terrain tile, its settlement (one of the header's count) and its placement mark.
Status CheckCellValues(const TMapCell& c, int x, int y, const TGameHeader& h);
// The same test without a message, for the pass over all 400,000 cells.
inline bool CellValuesInRange(const TMapCell& c, const TGameHeader& h) {
  return c.Terrain < kTerrainTileCount && c.Settlement <= h.SettlementCount &&
         c.PlacementAllowed <= 1;
}

// A used formation's own words: one of the header's records, army or air of a type of its branch,
// the record check against the map the header names, aircraft rows in an air formation's
// aircraft pairs, equal copies of its position, orders 0..2 and ammunition 0..10.
Status CheckFormationValues(const TFormation& f, int n, const TGameHeader& h);

// Owner and holder a nation 1..8 or the neutral mark 10; value 0..100.
Status CheckSettlementValues(const TSettlement& s, int n);

// Production statuses 0..3; the per-nation tables of nations 1..8 between 0 and kPoolLimit.
Status CheckEconomyValues(const TEconomy& e);

}  // namespace gm
