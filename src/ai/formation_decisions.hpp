// What the computer does with the ground formation in hand: the chain of decision rules (a
// later rule that finds something overrides the earlier ones) and the switch that acts on it.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace gm {

// Scratch values of one decision, reset for every formation handled.
struct DecisionScratch {
  std::int32_t AiStrengthNow = 0;
  std::int32_t AiStrengthNominal = 0;
  double AiEquipReadiness = 0;
  std::int32_t AiNearEnemyCount = 0;      // codes 2 and 3 in the 5 x 5 centre of the grid
  std::int32_t AiAdjacentEnemyCount = 0;  // codes 3 in the 3 x 3 centre
  std::int32_t AiWindowOwnCount = 0;      // own ground formations in the 19 x 19 window
  std::int32_t AiWindowEnemyCount = 0;
  std::int32_t AiBestValue = 1'000'000'000;
  std::int32_t AiCandidateValue = 0;
};

// Runs the rules for the formation of the selected cell, whose reach grid and merge flags are
// built. Writes Ai.AiDecision, TargetX/TargetY, Ai.AiTargetGridX/Y, Ai.AiMergeDirection and
// Ai.AiRefitAllowed; returns the scratch values for inspection.
DecisionScratch DecideFormation(World& w);

// Acts on Ai.AiDecision: an order (assault, fire, move) is handed to the frame tick through
// AiOrderPending; a stay re-equips (AiAutoRefit); a merge merges.
void ActOnDecision(World& w);

}  // namespace gm
