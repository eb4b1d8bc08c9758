// The reset of the previous game's leftovers after a load.
#include "flow/loaded_game.hpp"

#include "flow/start_game.hpp"
#include "rules/war_end.hpp"

namespace gm {

void ResetAfterLoad(World& w) {
  w.Selection = {0, 0, 0};
  w.GroundReachGrid.Fill(0);
  w.AirReachGrid.Fill(0);
  w.NeighbourFlags.fill(0);
  w.NeighbourMask.fill(0);
  w.Reach = ReachState{};
  w.ActionTick = 0;
  w.ActionKind = ActionKind::kNone;
  w.TargetX = 0;
  w.TargetY = 0;
  ResetComputerTurn(w);
  w.Ai.AiDecision = kAiNone;
  w.AiCompletesTurn = 0;
  w.Lists.PlacementPending = 0;
  w.Refit = RefitState{};
  // A saved game is one whose war went on; a result of the old game must not end the new one.
  w.WarResult = kWarGoesOn;
}

}  // namespace gm
