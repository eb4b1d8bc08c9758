// The computer's turn for the side on move, one bounded step per frame: each ground formation
// of the side gets two looks, then production and new formations, then the end state 10.
#pragma once

#include "world/world.hpp"

namespace gm {

// One step. Returns at once while an order waits for the frame tick (AiOrderPending). Handles
// at most one formation; the step that starts the third pass runs the production choice and the
// new formations and reaches AiState 10, where the frame tick runs the turn change.
// Returns true when the step handled a formation (its decision is in Ai.AiDecision).
bool ComputerTurnStep(World& w);

// Centres the Battlefield view (12 x 9 cells) on the selected cell, kept within the map.
void CentreViewOnSelection(World& w);

}  // namespace gm
