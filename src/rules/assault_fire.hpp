// The ground assault: the formation of the Selection cell attacks the enemy ground formation of
// the neighbouring target cell in four passes of two fire phases each.
#pragma once

#include "platform/clock.hpp"
#include "rules/assault_outcome.hpp"
#include "rules/combat_fire_phase.hpp"
#include "world/world.hpp"

namespace gm {

// The eight phases in their order: attacker's artillery, defender's artillery, attacker's main
// body, defender's main body; each an armour phase, then a soft phase.
struct AssaultPhase {
  bool attackerFires;
  GroundFirePhase fire;
};
extern const AssaultPhase kAssaultPhases[8];

// Resolves an ordered assault: the fire passes, orders, experience and ammunition of both
// sides, then the outcome (hold, retreat, surrender, books) and the clean-up. The clock reseeds
// the generator at every spread. Returns the defender's outcome; does nothing (and returns Held)
// unless both cells hold a formation.
AssaultOutcome ResolveAssault(World& w, Clock& clock);

}  // namespace gm
