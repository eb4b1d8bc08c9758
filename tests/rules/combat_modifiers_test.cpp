// Terrain modifiers, the surprise of the first days and the random spread of a fire phase.
#include "rules/combat_modifiers.hpp"

#include <gtest/gtest.h>

#include <cstdint>

#include "combat_fixture.hpp"

namespace gm {
namespace {

using namespace gm::testing;

TEST(CombatModifiersTest, TerrainBonusesFollowTheKindOfTheType) {
  const std::uint16_t fort = TileNamed("Fort-Plain");
  const std::uint16_t artillery = TypeOfKind(kGerman, 9);
  const std::uint16_t fighter = TypeOfKind(kGerman, 21);
  auto w = MakeCombatWorld(fort);

  w->Combat.AttackStrength = 5;
  w->Combat.DefenceBase = 7;
  AddTerrainAttack(*w, artillery, fort);
  AddTerrainDefence(*w, artillery, fort);
  EXPECT_EQ(w->Combat.AttackStrength, 605);  // byte 67 of the tile is 6
  EXPECT_EQ(w->Combat.DefenceBase, 67);

  // Air kinds, the empty type and a tile past the table gain nothing.
  for (std::uint16_t type : {fighter, std::uint16_t{0}, std::uint16_t{999}}) {
    AddTerrainAttack(*w, type, fort);
    AddTerrainDefence(*w, type, fort);
  }
  AddTerrainAttack(*w, artillery, kTerrainTileCount);
  EXPECT_EQ(w->Combat.AttackStrength, 605);
  EXPECT_EQ(w->Combat.DefenceBase, 67);

  // The air-defence bonus is the tile's own, whatever the kind.
  const int airBonus = TerrainTiles[fort].AirDefenceBonus;
  AddTerrainAirDefence(*w, fighter, fort);
  EXPECT_EQ(w->Combat.DefenceBase, 67 + airBonus);
}

TEST(CombatModifiersTest, SurpriseBonusOnTheFirstThreeDays) {
  struct Case {
    int day, month, year;
    bool openerOnMove;
    std::int32_t strength, expected;
  };
  const Case cases[] = {
      {22, 6, 1941, true, 0, 0},   {22, 6, 1941, true, 7, 14}, {23, 6, 1941, true, 7, 10},
      {24, 6, 1941, true, 7, 8},   {25, 6, 1941, true, 7, 7},  {21, 6, 1941, true, 7, 7},
      {22, 6, 1941, false, 7, 7},  {22, 6, 1942, true, 7, 7},  {22, 7, 1941, true, 7, 7},
      {22, 6, 1941, true, -4, -4},
  };
  for (const Case& c : cases) {
    auto w = MakeCombatWorld(0);
    w->GameHeader.Day = static_cast<std::uint16_t>(c.day);
    w->GameHeader.Month = static_cast<std::uint16_t>(c.month);
    w->GameHeader.Year = static_cast<std::uint16_t>(c.year);
    w->OpeningCoalition = c.openerOnMove ? w->SideOnMove : 1 - w->SideOnMove;
    w->Combat.AttackStrength = c.strength;
    SurpriseBonus(*w);
    EXPECT_EQ(w->Combat.AttackStrength, c.expected) << c.day << "." << c.month << "." << c.year;
  }
}

TEST(CombatModifiersTest, SpreadVectorsForFixedClockValues) {
  struct Case {
    std::uint32_t ms;
    std::int32_t strength, expected;
  };
  const Case cases[] = {
      {0, 1000, 1000},         // a drawn 0
      {999, 1000, 1000},       // b = 1, c = 0
      {12345, 1000, 500},      // a = 1, b = 0: minus a half
      {500000, 1000, 750},     // a = 2, b = 0: minus a quarter
      {1000, 1000, 1500},      // a = 1, b = 1, c = 1
      {12, 1000, 2500},        // a = 1, b = 1, c = 3
      {85, 1000, 1750},        // a = 2, b = 1, c = 3
      {86399999, 1000, 1250},  // a = 2, b = 1, c = 1
      {85, 7, 10},             // a quarter of 7 is 1
      {12345, 7, 4},
  };
  for (const Case& c : cases) {
    auto w = MakeCombatWorld(0);
    FixedClock clock(c.ms);
    w->Combat.AttackStrength = c.strength;
    w->Combat.AAStrength = c.strength;
    w->RandomSeed = 0xDEADBEEF;  // the spread reseeds, so an old seed does not matter
    RandomSpread(*w, clock);
    RandomSpreadAA(*w, clock);
    EXPECT_EQ(w->Combat.AttackStrength, c.expected) << c.ms;
    EXPECT_EQ(w->Combat.AAStrength, c.expected) << c.ms;
  }
}

TEST(CombatModifiersTest, SpreadOfZeroOrOneIsUnchangedAndNeverNegative) {
  auto w = MakeCombatWorld(0);
  for (std::uint32_t ms = 0; ms < 86'400'000; ms += 86'400'000 / 997) {
    FixedClock clock(ms);
    for (std::int32_t s : {0, 1}) {
      w->Combat.AttackStrength = s;
      RandomSpread(*w, clock);
      EXPECT_EQ(w->Combat.AttackStrength, s) << ms;
    }
    w->Combat.AttackStrength = -5;
    RandomSpread(*w, clock);
    EXPECT_EQ(w->Combat.AttackStrength, 0);
    w->Combat.AttackStrength = 2'000'000'000;  // a huge strength keeps within 32 bits
    RandomSpread(*w, clock);
    EXPECT_GE(w->Combat.AttackStrength, 1'000'000'000);
  }
}

TEST(CombatModifiersTest, SpreadsWithinOneMillisecondDrawTheSame) {
  auto w = MakeCombatWorld(0);
  FixedClock clock(86399999);
  w->Combat.AttackStrength = 400;
  RandomSpread(*w, clock);
  const std::int32_t first = w->Combat.AttackStrength;
  const std::uint32_t seed = w->RandomSeed;
  w->Combat.AttackStrength = 400;
  RandomSpread(*w, clock);
  EXPECT_EQ(w->Combat.AttackStrength, first);
  EXPECT_EQ(w->RandomSeed, seed);
  EXPECT_EQ(first, 500);
}

}  // namespace
}  // namespace gm
