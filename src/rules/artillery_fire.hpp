// Artillery fire: the howitzers and mortars of the Selection cell's formation fire on the enemy
// ground formation two cells away, which does not fire back.
#pragma once

#include "platform/clock.hpp"
#include "rules/combat_fire_phase.hpp"
#include "world/world.hpp"

namespace gm {

// The two phases: against armour, then against the soft groups.
extern const GroundFirePhase kBombardmentPhases[2];

// Resolves an ordered artillery fire: both phases, the firer's orders, experience and
// ammunition, the target's books and the clean-up. Does nothing unless both cells hold a
// formation.
void ResolveBombardment(World& w, Clock& clock);

}  // namespace gm
