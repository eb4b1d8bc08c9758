// The holdings index against the records it is built from: the sides' tallies, the settlement
// cells of each block and their holders, through captures, loads and worlds built by hand.
#include "world/holdings.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/world/synthetic_world.hpp"
#include "world/world_access.hpp"
#include "world/world_file.hpp"

namespace gm {
namespace {

using testing::MakeSyntheticWorld;
using testing::SyntheticOptions;

// The sides' owned and held counts as the end-of-war test reads them, counted plainly.
struct Tally {
  int owned[2] = {0, 0};
  int held[2] = {0, 0};
};
Tally PlainTally(const World& w) {
  Tally t;
  for (const TSettlement& s : w.Settlements) {
    if (s.Value == 0) continue;
    t.owned[0] += InNationSet(kSovietNations, s.OwnerNation);
    t.owned[1] += InNationSet(kGermanNations, s.OwnerNation);
    t.held[0] += InNationSet(kSovietNations, s.HolderNation);
    t.held[1] += InNationSet(kGermanNations, s.HolderNation);
  }
  return t;
}

void ExpectTallyOf(const World& w) {
  const Tally t = PlainTally(w);
  for (int side : {0, 1}) {
    EXPECT_EQ(w.Holdings.Owned[side], t.owned[side]) << "side " << side;
    EXPECT_EQ(w.Holdings.Held[side], t.held[side]) << "side " << side;
  }
}

// A synthetic world: a settlement in one cell of eight, numbers drawn at random so that many
// settlements are named by cells of several blocks, and some by none.
std::unique_ptr<World> TownWorld(std::uint32_t seed) {
  SyntheticOptions o;
  o.usedFormations = 200;
  o.settlements = 3000;
  o.seed = seed;
  return MakeSyntheticWorld(o);
}

TEST(Holdings, BuiltFromTheRecords) {
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    auto w = TownWorld(seed);
    EXPECT_EQ(w->Holdings.Built, 1);
    ExpectTallyOf(*w);
    // Every theatre settlement cell once, in its block, with its settlement's holder.
    int cells = 0;
    for (int y = kTheatreMinY; y <= kTheatreMaxY; ++y) {
      for (int x = kTheatreMinX; x <= kTheatreMaxX; ++x) cells += Cell(*w, x, y).Settlement != 0;
    }
    EXPECT_EQ(w->Holdings.BlockFirst[kHoldingsBlocks], cells);
    for (int b = 0; b < kHoldingsBlocks; ++b) {
      for (int i = w->Holdings.BlockFirst[b]; i < w->Holdings.BlockFirst[b + 1]; ++i) {
        const HoldingsCell& c = w->Holdings.Cells[i];
        ASSERT_EQ(HoldingsBlockOf(c.X, c.Y), b);
        ASSERT_EQ(Cell(*w, c.X, c.Y).Settlement, c.Settlement);
        ASSERT_EQ(c.Holder, Settlement(*w, c.Settlement).HolderNation);
        const std::uint32_t bit = c.Holder >= 1 ? 1u << c.Holder : 0u;  // holders 0..10
        ASSERT_EQ(w->Holdings.BlockHolders[b] & bit, bit);
      }
    }
    EXPECT_TRUE(CheckHoldings(*w)) << CheckHoldings(*w).Message();
  }
}

TEST(Holdings, CapturesKeepItExact) {
  auto w = TownWorld(7);
  std::mt19937 rng(1941);
  const std::uint16_t holders[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 40};
  for (int capture = 0; capture < 400; ++capture) {
    const int n = 1 + static_cast<int>(rng() % 3000);
    const std::uint16_t value = Settlement(*w, n).Value;
    ChangeSettlementHolder(*w, n, holders[rng() % std::size(holders)],
                           capture % 7 == 0 ? std::min<std::uint16_t>(value, 20) : value);
    const Status check = CheckHoldings(*w);
    ASSERT_TRUE(check) << "capture " << capture << " of settlement " << n << ": "
                       << check.Message();
  }
  ExpectTallyOf(*w);
}

TEST(Holdings, AStaleIndexIsReported) {
  struct Change {
    const char* name;
    std::function<void(World&)> apply;
  };
  const Change changes[] = {
      {"a holder changed unnoted",
       [](World& w) {
         // A settlement that some theatre cell names, taken by another side.
         const int n = w.Holdings.Cells[0].Settlement;
         Settlement(w, n).HolderNation = Settlement(w, n).HolderNation == 5 ? 2 : 5;
       }},
      {"a settlement's value cleared unnoted",
       [](World& w) {
         for (TSettlement& s : w.Settlements) {
           if (s.Value > 0 && InNationSet(kSovietNations, s.OwnerNation)) {
             s.Value = 0;
             return;
           }
         }
       }},
      {"a cell given a settlement", [](World& w) { Cell(w, 10, 40).Settlement = 1 + 17; }},
  };
  for (const Change& c : changes) {
    auto w = TownWorld(11);
    Cell(*w, 10, 40).Settlement = 0;
    RebuildHoldings(*w);
    ASSERT_TRUE(CheckHoldings(*w)) << c.name;
    c.apply(*w);
    EXPECT_FALSE(CheckHoldings(*w)) << c.name;
    RebuildHoldings(*w);
    EXPECT_TRUE(CheckHoldings(*w)) << c.name;
  }
}

// A debug build holds the whole index against the records at every change of hands, so a
// record changed behind its back stops the game at the next capture, not at a wrong end of war.
TEST(HoldingsDeathTest, ADebugBuildStopsAtAChangeOverAStaleIndex) {
#ifdef NDEBUG
  GTEST_SKIP() << "the check is compiled into debug builds alone";
#else
  auto w = TownWorld(9);
  const int n = w->Holdings.Cells[0].Settlement;
  const int other = n == 1 ? 2 : 1;
  ChangeSettlementHolder(*w, other, 5, 10);  // through the one way: the index follows
  Settlement(*w, n).HolderNation = Settlement(*w, n).HolderNation == 5 ? 2 : 5;
  EXPECT_DEATH(ChangeSettlementHolder(*w, other, 2, 10),
               "settlement " + std::to_string(other) + " changed hands: holdings: ");
#endif
}

TEST(Holdings, ALoadBuildsItForTheLoadedRecords) {
  auto saved = TownWorld(5);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(EncodeWorldFile(*saved, WorldFileKind::kSave, bytes));
  // The world it replaces held another game, with its own index.
  auto w = TownWorld(6);
  ASSERT_TRUE(DecodeWorldFile(bytes, WorldFileKind::kSave, "save", *w));
  EXPECT_EQ(w->Holdings.Built, 1);
  EXPECT_TRUE(CheckHoldings(*w)) << CheckHoldings(*w).Message();
  ExpectTallyOf(*w);
  // Nothing of the index of the game before is left: the same as a load into an empty world.
  auto fresh = std::make_unique<World>();
  ASSERT_TRUE(DecodeWorldFile(bytes, WorldFileKind::kSave, "save", *fresh));
  EXPECT_EQ(std::memcmp(&w->Holdings, &fresh->Holdings, sizeof(HoldingsIndex)), 0);
}

TEST(Holdings, AWorldBuiltByHandGetsItFromItsFirstReader) {
  auto w = std::make_unique<World>();
  Cell(*w, 100, 100).Settlement = 1;
  Settlement(*w, 1) = TSettlement{5, 5, 30, {}, {}};
  // Nothing to keep before it is built: the change is already in the records it is built from.
  ChangeSettlementHolder(*w, 1, 2, 30);
  EXPECT_EQ(Settlement(*w, 1).HolderNation, 2);
  EXPECT_EQ(w->Holdings.Built, 0);
  EXPECT_TRUE(CheckHoldings(*w));
  const HoldingsIndex& h = ReadyHoldings(*w);
  EXPECT_EQ(h.Built, 1);
  EXPECT_EQ(h.Owned[kSovietSide], 1);
  EXPECT_EQ(h.Held[kGermanSide], 1);
  EXPECT_EQ(h.BlockHolders[HoldingsBlockOf(100, 100)], 1u << 2);
}

}  // namespace
}  // namespace gm
