// Turning the worked-out theatre into the game's records: a terrain tile for every cell, chosen
// from the tile catalogue so that roads, rivers and coasts join up, and the settlement records.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/scenario/theatre.hpp"
#include "world/world.hpp"

namespace gm::scenario {

// The tile of every theatre cell, row by row from row 30.
std::vector<std::uint16_t> ChooseTiles(const Theatre& t);

// Fills an all-zero world: the header (1000 x 400, 10,000 formation records, the settlements,
// 22 June 1941), every map cell (sea outside the theatre) and the settlement records.
void FillWorld(const Theatre& t, const std::vector<std::uint16_t>& tiles, World& w);

// The settlement record of a place: owner, holder, value and the name padded with blanks.
void WriteSettlement(const Place& p, TSettlement& s);

}  // namespace gm::scenario
