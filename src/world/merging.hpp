// Merging a ground formation into its selected neighbour: the candidate flags around the selected
// cell and the merge itself.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

// NeighbourFlags counts the 3 x 3 block row by row (byte 3(dy+1) + (dx+1)); merge directions count
// it column by column (3(dx+1) + (dy+1) + 1). These translate between the two; the centre is byte 4
// and direction 5. An argument outside the block gives -1.
int FlagByteForMergeDirection(int direction);
int MergeDirectionForFlagByte(int flagByte);

// Rewrites NeighbourFlags: 1 for each neighbour of the selected ground formation that may merge
// into it.
void FindMergeCandidates(World& w);

// Merges the ground formation in the neighbour cell of `direction` (1..4, 6..9) into the selected
// one, frees its record, clears the selection and the flags. A direction or cells that name no
// two formations change nothing.
void MergeFormations(World& w, std::uint8_t direction);

}  // namespace gm
