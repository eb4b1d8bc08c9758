// Counting and ending the action animation, and the fight it leads to.
#include "ui/flow/action_animation.hpp"

#include "rules/air_strike.hpp"
#include "rules/artillery_fire.hpp"
#include "rules/assault_fire.hpp"
#include "rules/idle_orders.hpp"
#include "ui/flow/map_orders.hpp"
#include "ui/flow/screen_flags.hpp"

namespace gm {

void CountActionTick(World& w) {
  if (w.ActionTick > 0) ++w.ActionTick;
}

bool FinishAction(World& w, FlowServices& services) {
  if (w.ActionTick < kActionFrames) return false;
  const std::uint8_t kind = w.ActionKind;
  w.ActionTick = 0;
  w.ActionKind = 0;
  switch (kind) {
    case 1:
      ResolveAssault(w, services.clock);
      break;
    case 2:
      ResolveBombardment(w, services.clock);
      break;
    case 3:
      ResolveAirStrike(w, services.clock);
      break;
    case 4:
      AnimationStepNone4(w);
      break;
    default:
      break;
  }
  if (w.ScreenFlags[kFlagComputerTurn] == 1) w.AiOrderPending = 0;
  return true;
}

}  // namespace gm
