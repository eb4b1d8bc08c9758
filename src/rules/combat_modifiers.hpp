// The modifiers a fire phase applies to its strength and defence: terrain, the surprise of the
// first days of the war and the random spread.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/clock.hpp"
#include "world/world.hpp"

namespace gm {

// Strengths are 32-bit; sums of huge counts keep to that range instead of wrapping.
constexpr std::int32_t ClampStrength(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// AttackStrength += 100 x the tile's attack bonus for the type's kind (ground kinds 4..11 only).
void AddTerrainAttack(World& w, std::uint16_t type, std::uint16_t tile);
// DefenceBase += 10 x the same attack-bonus byte.
void AddTerrainDefence(World& w, std::uint16_t type, std::uint16_t tile);
// DefenceBase += the tile's air-defence bonus, whatever the type.
void AddTerrainAirDefence(World& w, std::uint16_t type, std::uint16_t tile);

// On 22, 23 and 24 June 1941, while the side that opened the war is on move, a positive
// AttackStrength gains all, half or a quarter of itself, whoever fires.
void SurpriseBonus(World& w);

// Reseeds the generator from the clock, then draws a, b, c and varies AttackStrength by them
// (one of S, S - S/2, S - S/4, S + c*(S/2), S + c*(S/4)); never leaves it negative.
void RandomSpread(World& w, Clock& clock);
// The same variation of AAStrength.
void RandomSpreadAA(World& w, Clock& clock);

}  // namespace gm
