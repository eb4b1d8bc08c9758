// What an air order finds around its target cell before the striker arrives: the nearest enemy
// fighter formation, moved beside the target, and the enemy air-defence formations that fire.
#pragma once

#include "world/world.hpp"

namespace gm {

// Looks for enemy fighter formations (kind 21) within three cells of (TargetX, TargetY), keeps
// the first in ring order (nearest ring first, each ring clockwise from its north-west corner)
// and moves it into the first neighbour of the target, NW, N, NE, E, SE, S, SW, W, that is on
// the map and free of air formations (or is its own cell). Fills InterceptMask.
void FindInterceptor(World& w);

// Sets EnemyAAFlags for each neighbour of the target holding an enemy air-defence formation
// (kind 10) with anti-aircraft guns and ammunition.
void FindEnemyAA(World& w);

}  // namespace gm
