// The computer's searches of the whole theatre for the nearest enemy formation and the nearest
// enemy-held settlement of a formation.
#pragma once

#include "world/world.hpp"

namespace gm {

// A cell found by a search; found is false when the theatre holds none.
struct FoundCell {
  bool found = false;
  int x = 0;
  int y = 0;
};

// The enemy ground formation nearest to (x, y). The theatre is read as four overlapping
// half-planes (north, east, south, west of the cell), each row by row, and of equal distances
// the one met first wins; the cell (x, y) itself lies in none of them.
FoundCell NearestEnemyFormation(const World& w, int x, int y);

// The same search for cells whose settlement is held by an enemy nation.
FoundCell NearestEnemySettlement(World& w, int x, int y);

}  // namespace gm
