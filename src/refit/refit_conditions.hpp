// The tests the refit fields share: which formation the page works on, whether it stands in a
// town, whether it has enough men for more than ammunition, and what its neighbours allow.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

// The ground formation of the side on move on the Selection cell, or nullptr: the page works on
// nothing else (an air formation, an enemy, a free record).
TFormation* RefitFormation(World& w);

// The reserve row of the formation's nation, 1..8, or 0 when it has none.
int RefitNation(const TFormation& f);

// True when the Selection cell holds a settlement whose Value is above 0.
bool OnValuedSettlement(const World& w);

// True when the men with those booked reach three quarters of the type's men. A type without
// men never holds anything back.
bool MenAtThreeQuarters(const TFormation& f, std::uint16_t pendingMen);

// What the eight neighbours of the Selection cell say once BuildNeighbourMask has run.
struct NeighbourVerdict {
  bool contact;    // some neighbour is closed (enemy or theatre edge)
  bool allClosed;  // all eight are closed
  bool blocked;    // all eight are impassable
};
NeighbourVerdict CheckNeighbours(World& w);

// True when candidate entry `entry` exists and is enabled.
bool EntryEnabled(const TRefitPage& p, int entry);

}  // namespace gm
