// New army formations: the pool a player's formation takes its men from, a full table changing
// nothing, and a save keeping a formation raised past the header's record count.
#include "world/new_formation.hpp"

#include <gtest/gtest.h>

#include "platform/headless/memory_file_system.hpp"
#include "tests/support/world_builders.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/save_slots.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::MakeEmptyWorld;
using testing::MakeSyntheticWorld;

constexpr std::uint16_t kRifle41 = 7;  // nation 5

TEST(NewFormationTest, MenComeFromAPoolThatHoldsThem) {
  struct Case {
    std::int32_t recruits, veterans;
    PlacementResult result;
    std::int32_t recruitsAfter, veteransAfter;
  };
  const Case cases[] = {
      {1000, 50, PlacementResult::kPlaced, 700, 50},
      {300, 900, PlacementResult::kPlaced, 0, 900},
      {120, 450, PlacementResult::kPlaced, 120, 150},
      {0, 300, PlacementResult::kPlaced, 0, 0},
      // The list was built when a pool still held the men: neither goes below 0 now.
      {120, 299, PlacementResult::kNoMen, 120, 299},
      // Unsigned counts: a huge pool is not a negative one.
      {static_cast<std::int32_t>(0x80000000u), 0, PlacementResult::kPlaced,
       static_cast<std::int32_t>(0x80000000u - 300), 0},
  };
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    w->Economy.RecruitPool[NationIndex(5)] = c.recruits;
    w->Economy.VeteranPool[NationIndex(5)] = c.veterans;
    EXPECT_EQ(PlaceNewFormation(*w, 120, 140, kRifle41), c.result)
        << c.recruits << "/" << c.veterans;
    EXPECT_EQ(w->Economy.RecruitPool[NationIndex(5)], c.recruitsAfter);
    EXPECT_EQ(w->Economy.VeteranPool[NationIndex(5)], c.veteransAfter);
    const bool placed = c.result == PlacementResult::kPlaced;
    EXPECT_EQ(Cell(*w, 120, 140).GroundFormation, placed ? kMaxFormations : 0);
    EXPECT_EQ(Formation(*w, kMaxFormations).Branch, placed ? 1 : 0);
  }
}

TEST(NewFormationTest, AFullTableChangesNothing) {
  auto w = MakeEmptyWorld();
  for (TFormation& f : w->Formations) f.Branch = 1;
  w->Economy.RecruitPool[NationIndex(5)] = 1000;
  w->FreeFormationIndex = 17;
  const auto before = testing::CopyWorld(*w);
  EXPECT_EQ(PlaceNewFormation(*w, 120, 140, kRifle41), PlacementResult::kNoFreeRecord);
  EXPECT_TRUE(testing::SameBytes(*w, *before));
}

TEST(NewFormationTest, ASaveKeepsARecordRaisedPastTheHeadersCount) {
  testing::SyntheticOptions o;
  o.formations = 6000;
  o.usedFormations = 6000;
  auto w = MakeSyntheticWorld(o);
  w->Economy.RecruitPool[NationIndex(5)] = 1000;
  Cell(*w, 300, 300).GroundFormation = 0;
  ASSERT_EQ(PlaceNewFormation(*w, 300, 300, kRifle41), PlacementResult::kPlaced);
  ASSERT_EQ(Cell(*w, 300, 300).GroundFormation, kMaxFormations);
  EXPECT_EQ(w->GameHeader.FormationCount, kMaxFormations);

  MemoryFileSystem fs;
  ASSERT_TRUE(SaveGameFile(*w, fs, "/game/slot1.sav"));
  auto loaded = MakeEmptyWorld();
  ASSERT_TRUE(LoadGameFile(*loaded, fs, "/game/slot1.sav"));
  const TFormation& f = Formation(*loaded, kMaxFormations);
  EXPECT_EQ(f.Branch, 1);
  EXPECT_EQ(f.FormationType, kRifle41);
  EXPECT_EQ(f.Men, 300);
  EXPECT_EQ(Cell(*loaded, 300, 300).GroundFormation, kMaxFormations);
}

}  // namespace
}  // namespace gm
