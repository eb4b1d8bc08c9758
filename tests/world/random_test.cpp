// The pseudo-random generator: its known sequences and its seeding from the time of day.
#include "world/random.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>

#include "platform/clock.hpp"

namespace gm {
namespace {

struct DrawCase {
  std::uint32_t seed;
  std::array<int, 3> draws;  // Random(3), Random(2), Random(4) in that order
};

constexpr DrawCase kDrawCases[] = {
    {0, {0, 0, 3}},
    {43'200'000, {1, 0, 3}},
    {86'399'999, {2, 1, 1}},
    {30'615'250, {2, 0, 2}},
};

TEST(RandomTest, KnownSequencesFromASeed) {
  for (const auto& c : kDrawCases) {
    SCOPED_TRACE(c.seed);
    auto w = std::make_unique<World>();
    w->RandomSeed = c.seed;
    EXPECT_EQ(Random(*w, 3), c.draws[0]);
    EXPECT_EQ(Random(*w, 2), c.draws[1]);
    EXPECT_EQ(Random(*w, 4), c.draws[2]);
  }
}

TEST(RandomTest, SeedingFromAFixedClockGivesTheSameSequences) {
  for (const auto& c : kDrawCases) {
    SCOPED_TRACE(c.seed);
    auto w = std::make_unique<World>();
    w->RandomSeed = 0xDEADBEEF;
    FixedClock clock(c.seed);
    SeedFromClock(*w, clock);
    EXPECT_EQ(w->RandomSeed, c.seed);
    // Reseeding within the same millisecond repeats the draws.
    for (int round = 0; round < 2; ++round) {
      SeedFromClock(*w, clock);
      EXPECT_EQ(Random(*w, 3), c.draws[0]);
      EXPECT_EQ(Random(*w, 2), c.draws[1]);
      EXPECT_EQ(Random(*w, 4), c.draws[2]);
    }
  }
}

TEST(RandomTest, DrawsStayInRangeAndSeedWrapsModulo2To32) {
  auto w = std::make_unique<World>();
  w->RandomSeed = 0xFFFFFFFFu;
  EXPECT_EQ(Random(*w, 1), 0);
  EXPECT_EQ(w->RandomSeed, static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
  std::array<int, 6> seen{};
  for (int i = 0; i < 6000; ++i) {
    const int r = Random(*w, 6);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 6);
    ++seen[r];
  }
  for (int count : seen) EXPECT_GT(count, 0);
  const std::uint32_t before = w->RandomSeed;
  EXPECT_EQ(Random(*w, 0), 0);
  EXPECT_NE(w->RandomSeed, before);
}

}  // namespace
}  // namespace gm
