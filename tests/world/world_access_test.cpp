// Helpers on the World: numbered records, map bounds, own and enemy nations, clamped counts.
#include "world/world_access.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "tests/support/world_builders.hpp"

namespace gm {
namespace {

TEST(WorldAccessTest, NumberedRecordsAndCells) {
  auto w = std::make_unique<World>();
  Cell(*w, 359, 329).GroundFormation = 17;
  EXPECT_EQ(w->MapCells[329 * 1000 + 359].GroundFormation, 17);
  Formation(*w, 1).Men = 5;
  Formation(*w, kMaxFormations).Men = 6;
  EXPECT_EQ(w->Formations.front().Men, 5);
  EXPECT_EQ(w->Formations.back().Men, 6);
  Settlement(*w, kMaxSettlements).Value = 9;
  EXPECT_EQ(w->Settlements.back().Value, 9);
}

TEST(WorldAccessTest, UsedFormationSkipsFreeAndMissingRecords) {
  auto w = std::make_unique<World>();
  Formation(*w, 3).Branch = 1;
  Formation(*w, 4).Men = 500;  // wiped words left behind, but Branch 0: free
  EXPECT_EQ(UsedFormation(*w, 3), &w->Formations[2]);
  EXPECT_EQ(UsedFormation(*w, 4), nullptr);
  EXPECT_EQ(UsedFormation(*w, 0), nullptr);
  EXPECT_EQ(UsedFormation(*w, kMaxFormations + 1), nullptr);
}

TEST(WorldAccessTest, NationAndKindComeFromTheType) {
  struct Case {
    std::uint16_t type;
    int nation, kind;
  };
  const Case cases[] = {
      {1, 5, 4},                                 // Tank division 41
      {61, 2, 4},                                // Tank division 40
      {161, 2, 21},                              // Fighter air group 40
      {50, 8, 7},                                // Cavalry division 39
      {129, 0, 0},                               // an empty row
      {0, 0, 0},    {201, 0, 0}, {65535, 0, 0},  // no type: no nation, no kind
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    TFormation f{};
    f.FormationType = c.type;
    EXPECT_EQ(NationOf(f), c.nation);
    EXPECT_EQ(KindOf(f), c.kind);
  }
}

TEST(WorldAccessTest, MapAndTheatreBounds) {
  struct Case {
    int x, y;
    bool onMap, inTheatre;
  };
  const Case cases[] = {
      {0, 30, true, true},     {359, 329, true, true},  {360, 100, true, false},
      {100, 29, true, false},  {100, 330, true, false}, {-1, 100, false, false},
      {999, 399, true, false}, {1000, 0, false, false}, {0, 400, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(OnMap(c.x, c.y), c.onMap);
    EXPECT_EQ(InTheatre(c.x, c.y), c.inTheatre);
  }
}

TEST(WorldAccessTest, OwnAndEnemyFollowTheSideOnMove) {
  auto w = std::make_unique<World>();
  testing::SetCoalitions(*w);
  struct Case {
    std::uint8_t side;
    int nation;
    bool own, enemy;
  };
  const Case cases[] = {
      {kSovietSide, 5, true, false},   {kSovietSide, 8, true, false},
      {kSovietSide, 2, false, true},   {kSovietSide, 7, false, true},
      {kGermanSide, 5, false, true},   {kGermanSide, 1, true, false},
      {kGermanSide, 6, true, false},   {kSovietSide, 0, false, false},
      {kGermanSide, 10, false, false}, {kGermanSide, 33, false, false},
      {kSovietSide, -1, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "side " << int{c.side} << " nation " << c.nation);
    w->SideOnMove = c.side;
    EXPECT_EQ(IsOwn(*w, c.nation), c.own);
    EXPECT_EQ(IsEnemy(*w, c.nation), c.enemy);
  }
}

TEST(WorldAccessTest, SaturatingAdd16StaysWithinTheCount) {
  struct Case {
    std::uint16_t count;
    std::int64_t delta;
    std::uint16_t expected;
  };
  const Case cases[] = {
      {10, -3, 7},
      {10, -10, 0},
      {10, -11, 0},
      {0, -2'000'000'000, 0},
      {65530, 5, 65535},
      {65530, 6, 65535},
      {1, 4'000'000'000, 65535},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.count << " + " << c.delta);
    EXPECT_EQ(SaturatingAdd16(c.count, c.delta), c.expected);
  }
}

}  // namespace
}  // namespace gm
