// The game's pseudo-random generator and its seeding from the clock.
#include "world/random.hpp"

namespace gm {

int Random(World& w, int n) {
  w.RandomSeed = w.RandomSeed * 134775813u + 1u;
  if (n <= 0) return 0;
  const std::uint64_t product = std::uint64_t{w.RandomSeed} * static_cast<std::uint32_t>(n);
  return static_cast<int>(product >> 32);
}

void SeedFromClock(World& w, Clock& clock) {
  w.RandomSeed = clock.MillisecondsOfDay();
}

}  // namespace gm
