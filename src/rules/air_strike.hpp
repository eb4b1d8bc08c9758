// The air strike: the air formation rebased into the target cell bombs the ground formation
// there and takes the anti-aircraft fire of the target and of the enemy air defence beside it.
#pragma once

#include <cstdint>

#include "platform/clock.hpp"
#include "rules/combat_fire_phase.hpp"
#include "world/world.hpp"

namespace gm {

// Resolves an ordered air strike in (TargetX, TargetY): two bombing phases, the anti-aircraft
// fire, experience, the books and the clean-up. EnemyAAFlags must have been filled by
// FindEnemyAA when the strike was ordered. Does nothing unless the cell holds both formations.
void ResolveAirStrike(World& w, Clock& clock);

// A bombing phase's strength before the surprise bonus and the spread: the sum over the eight
// aircraft pairs of ((Count x multiplier) div 10) x the value, plus a fifth of a veteran's
// experience (above 99) and of a high morale (above 74).
std::int64_t BomberStrength(const TFormation& striker, int multiplier, FireValue value);

}  // namespace gm
