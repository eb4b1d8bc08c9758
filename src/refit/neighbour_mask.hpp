// The refit page's mask of the eight cells around the selected ground formation: which are
// closed by an enemy or the edge of the theatre, and which are impassable.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

// Mask byte values.
inline constexpr std::uint8_t kNeighbourClosed = 0;      // enemy formation or theatre edge
inline constexpr std::uint8_t kNeighbourOpen = 1;        // set by the page before the first build
inline constexpr std::uint8_t kNeighbourImpassable = 2;  // terrain that cannot be entered

// Byte of the neighbour (dx, dy), row by row from the north-west.
constexpr int NeighbourMaskIndex(int dx, int dy) {
  return 3 * (dy + 1) + (dx + 1);
}

// Writes 0 or 2 into the bytes of NeighbourMask around the Selection cell: 0 on the theatre's
// edge and under an enemy ground formation, then 2 on impassable terrain. Bytes of open cells
// keep what the caller put there; no world record changes.
void BuildNeighbourMask(World& w);

}  // namespace gm
