// Artillery fire: no return fire, the firer's bookkeeping, the target's books and clean-up.
#include "rules/artillery_fire.hpp"

#include <gtest/gtest.h>

#include <cstdint>

#include "combat_fixture.hpp"

namespace gm {
namespace {

using namespace gm::testing;

TEST(ArtilleryFireTest, OnlyTheTargetSuffersAndIsBooked) {
  auto w = MakeCombatWorld(TileNamed("Plain"));
  const std::uint16_t gun = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t v = e.InfantryAttack;
    return e.Category == 5 && v > 0;
  });
  ASSERT_NE(gun, 0);
  TFormation& firer = PlaceGround(*w, 1, 100, 100, TypeOfKind(kGerman, 9));
  firer.Men = 3000;
  firer.Experience = 10;
  firer.Ammo = 4;
  firer.pairs[18] = {300, gun};
  TFormation& target = PlaceGround(*w, 2, 102, 100, TypeOfKind(kSoviet, 5));
  target.Men = 8000;
  target.Experience = 30;
  target.Ammo = 3;
  target.OrdersLeft = 2;
  target.pairs[18] = {300, gun};  // it could fire, but does not
  SelectAndTarget(*w, 100, 100, 102, 100);
  const TFormation firerBefore = firer;

  FixedClock clock(0);
  ResolveBombardment(*w, clock);
  EXPECT_EQ(w->Combat.CombatMode, kCombatBombardment);
  EXPECT_EQ(firer.Men, firerBefore.Men);
  EXPECT_EQ(firer.pairs[18].Count, 300);
  EXPECT_EQ(firer.OrdersLeft, 1);
  EXPECT_EQ(firer.Experience, 11);
  EXPECT_EQ(firer.Ammo, 3);
  EXPECT_LT(target.Men, 8000);
  EXPECT_EQ(target.Ammo, 3);
  EXPECT_EQ(target.Experience, 30);
  EXPECT_EQ(target.OrdersLeft, 2);

  const TEconomy& e = w->Economy;
  const int lost = 8000 - target.Men;
  EXPECT_EQ(e.DeadMen[NationIndex(kSoviet)] + e.WoundedPool[NationIndex(kSoviet)], lost);
  EXPECT_EQ(e.DeadMen[NationIndex(kGerman)], 0);
  EXPECT_EQ(e.WoundedPool[NationIndex(kGerman)], 0);
}

TEST(ArtilleryFireTest, ATargetWithoutMenIsRemoved) {
  auto w = MakeCombatWorld(TileNamed("Plain"));
  const std::uint16_t gun = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t v = e.InfantryAttack;
    return v > 5;
  });
  TFormation& firer = PlaceGround(*w, 1, 100, 100, TypeOfKind(kGerman, 9));
  firer.pairs[18] = {2000, gun};
  firer.Men = 500;
  firer.Ammo = 1;
  TFormation& target = PlaceGround(*w, 2, 100, 102, TypeOfKind(kSoviet, 5));
  target.Men = 20;
  SelectAndTarget(*w, 100, 100, 100, 102);
  FixedClock clock(0);
  ResolveBombardment(*w, clock);
  EXPECT_EQ(Cell(*w, 100, 102).GroundFormation, 0);
  EXPECT_EQ(Formation(*w, 2).Branch, 0);
  EXPECT_EQ(Cell(*w, 100, 100).GroundFormation, 1);
  EXPECT_EQ(w->Economy.WoundedPool[NationIndex(kSoviet)] + w->Economy.DeadMen[NationIndex(kSoviet)],
            20);
}

TEST(ArtilleryFireTest, SurpriseDoublesBothPhasesOnTheFirstDay) {
  const std::uint16_t gun = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t v = e.ArmorAttack;
    return v > 0;
  });
  std::int32_t strength[2];
  for (int day : {21, 22}) {
    auto w = MakeCombatWorld(TileNamed("Plain"));
    w->GameHeader = {};
    w->GameHeader.Day = static_cast<std::uint16_t>(day);
    w->GameHeader.Month = 6;
    w->GameHeader.Year = 1941;
    PlaceGround(*w, 1, 100, 100, TypeOfKind(kGerman, 9)).pairs[18] = {100, gun};
    PlaceGround(*w, 2, 102, 100, TypeOfKind(kSoviet, 5));
    FixedClock clock(0);
    RunGroundFirePhase(*w, clock, 100, 100, 102, 100, kBombardmentPhases[0]);
    strength[day - 21] = w->Combat.AttackStrength;
  }
  EXPECT_GT(strength[0], 0);
  EXPECT_EQ(strength[1], 2 * strength[0]);
}

}  // namespace
}  // namespace gm
