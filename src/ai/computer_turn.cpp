// The computer turn's state machine: the passes over the formation table and the end of turn.
#include "ai/computer_turn.hpp"

#include "ai/formation_decisions.hpp"
#include "ai/new_formations.hpp"
#include "ai/production_choice.hpp"
#include "world/merging.hpp"
#include "world/reach_grids.hpp"
#include "world/screen_state.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kPassEnd = kMaxFormations + 1;

bool Qualifies(const World& w, const TFormation& f) {
  return f.Branch == 1 && f.OrdersLeft != 0 && IsOwn(w, NationOf(f));
}

void HandleFormation(World& w, const TFormation& f) {
  w.Selection = {1, f.X, f.Y};
  ComputerPlayerState& ai = w.Ai;
  ai.AiTargetGridX = 0;
  ai.AiTargetGridY = 0;
  ai.AiDecision = kAiNone;
  // A record whose cell does not name it cannot be handed to the grid builder.
  if (OnMap(f.X, f.Y) && UsedFormation(w, Cell(w, f.X, f.Y).GroundFormation) == &f) {
    BuildMoveGrid(w);
    FindMergeCandidates(w);
    DecideFormation(w);
    ActOnDecision(w);
  }
  CentreViewOnSelection(w);
}

bool FormationLoop(World& w) {
  ComputerPlayerState& ai = w.Ai;
  bool handled = false;
  while (!handled && ai.AiState == kAiFormations) {
    w.ScreenFlags[kFlagLayer] = kLayerArmy;  // the tick reads the ground grid for the order
    ++ai.AiFormationIndex;
    if (ai.AiPass == 2 && ai.AiFormationIndex == 1) ai.AiState = kAiProduction;
    if (ai.AiFormationIndex < kPassEnd) {
      const TFormation& f = Formation(w, ai.AiFormationIndex);
      if (Qualifies(w, f)) {
        HandleFormation(w, f);
        handled = true;
      }
    }
    if (ai.AiFormationIndex == kPassEnd) {
      ++ai.AiPass;
      ai.AiFormationIndex = 0;
    }
  }
  return handled;
}

}  // namespace

void CentreViewOnSelection(World& w) {
  // Near the top or the left edge the view snaps to row or column 0.
  int vy = w.Selection[2] - kViewCentreRow;
  if (vy < kViewCentreRow) vy = 0;
  if (vy > kMapViewMaxY) vy = kMapViewMaxY;
  int vx = w.Selection[1] - kViewCentreColumn;
  if (vx < kViewCentreColumn) vx = 0;
  if (vx > kMapViewMaxX) vx = kMapViewMaxX;
  w.ViewX = vx;
  w.ViewY = vy;
}

bool ComputerTurnStep(World& w) {
  ComputerPlayerState& ai = w.Ai;
  if (w.AiOrderPending != 0) return false;
  if (ai.AiState == kAiStart) {
    w.ScreenFlags[kFlagLayer] = kLayerAir;
    ai.AiState = kAiFormations;
  }
  bool handled = false;
  if (ai.AiState == kAiFormations) handled = FormationLoop(w);
  if (ai.AiState == kAiProduction) {
    AiProductionChoice(w);  // skipped inside while the computer completes a human's turn
    ai.AiState = kAiNewFormations;
  }
  if (ai.AiState == kAiNewFormations) SpawnNewFormations(w, 1);
  if (ai.AiState == kAiNewFormationsDone) ai.AiState = kAiTurnDone;
  return handled;
}

}  // namespace gm
