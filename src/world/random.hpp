// The game's one pseudo-random generator: a 32-bit linear congruential seed kept in the World,
// seeded from the time of day.
#pragma once

#include <cstdint>

#include "platform/clock.hpp"
#include "world/world.hpp"

namespace gm {

// Advances the seed (seed * 134775813 + 1, modulo 2^32) and returns (seed * n) div 2^32, a
// number 0..n-1. A non-positive n gives 0 (the seed still advances).
int Random(World& w, int n);

// Seeds the generator with the milliseconds since midnight, universal time.
void SeedFromClock(World& w, Clock& clock);

}  // namespace gm
