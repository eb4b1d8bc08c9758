// Raising a new army formation: the free record it takes, the record as it starts, and the men a
// player's placement takes from the nation's pools. The computer's new formations share the first
// two.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

inline constexpr int kNewFormationMen = 300;

// The highest-numbered free formation record (Branch 0), or 0 when all 10,000 are used.
int HighestFreeFormationRecord(const World& w);

// Makes `record` a new army formation of `type` standing in cell (x, y): the record is wiped
// through FreeFormationIndex, then gets 300 men, experience 1, morale 100 and no orders, and the
// cell names it. The header's record count grows to include it, so a save keeps it. The men are
// the caller's to take.
void RaiseFormationRecord(World& w, int record, int x, int y, std::uint16_t type);

enum class PlacementResult : std::uint8_t {
  kPlaced,
  kNoFreeRecord,  // all 10,000 records are used
  kNoMen,         // neither pool of the type's nation holds 300 men
};

// A player's new formation of `type` in cell (x, y), in the highest free record. Its 300 men come
// from the nation's recruit pool when it holds them, else from its veteran pool; with no free
// record or no pool that can give them nothing changes.
PlacementResult PlaceNewFormation(World& w, int x, int y, std::uint16_t type);

}  // namespace gm
