// Counting and ending the action animation, and the fight it leads to.
#include "flow/action_animation.hpp"

#include "flow/map_orders.hpp"
#include "flow/screen_flags.hpp"
#include "rules/air_strike.hpp"
#include "rules/artillery_fire.hpp"
#include "rules/assault_fire.hpp"
#include "rules/idle_orders.hpp"

namespace gm {

void CountActionTick(World& w) {
  if (w.ActionTick > 0) ++w.ActionTick;
}

bool FinishAction(World& w, FlowServices& services) {
  if (w.ActionTick < kActionFrames) return false;
  const ActionKind kind = w.ActionKind;
  w.ActionTick = 0;
  w.ActionKind = ActionKind::kNone;
  switch (kind) {
    case ActionKind::kAssault:
      ResolveAssault(w, services.clock);
      break;
    case ActionKind::kArtilleryFire:
      ResolveBombardment(w, services.clock);
      break;
    case ActionKind::kAirStrike:
      ResolveAirStrike(w, services.clock);
      break;
    case ActionKind::kSecondAirOrder:
      AnimationStepNone4(w);
      break;
    case ActionKind::kNone:
      break;
  }
  // A defender that retreated into a settlement may have ended the war.
  ShowFinalScreenIfWarEnded(w);
  if (w.ScreenFlags[kFlagComputerTurn] == 1) w.AiOrderPending = 0;
  return true;
}

}  // namespace gm
