// What an air order finds around its target cell before the striker arrives: the nearest enemy
// fighter formation, moved beside the target, and the enemy air-defence formations that fire.
#pragma once

#include "world/world.hpp"

namespace gm {

// The eight neighbours of a cell in the order they are tried: NW, N, NE, E, SE, S, SW, W.
inline constexpr int kNeighbourDx[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
inline constexpr int kNeighbourDy[8] = {-1, -1, -1, 0, 1, 1, 1, 0};

// Byte of EnemyAAFlags for the neighbour (dx, dy), row by row from the north-west.
constexpr int EnemyAAFlagIndex(int dx, int dy) {
  return 3 * (dy + 1) + (dx + 1);
}

// Looks for enemy fighter formations (kind 21) within three cells of (TargetX, TargetY), keeps
// the first in ring order (nearest ring first, each ring clockwise from its north-west corner)
// and moves it into the first neighbour of the target, NW, N, NE, E, SE, S, SW, W, that is on
// the map and free of air formations (or is its own cell). Fills InterceptMask.
void FindInterceptor(World& w);

// Sets EnemyAAFlags for each neighbour of the target holding an enemy air-defence formation
// (kind 10) with anti-aircraft guns and ammunition.
void FindEnemyAA(World& w);

}  // namespace gm
