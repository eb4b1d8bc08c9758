// The ground fire phase and the assault's passes: strengths, shares, defences, kills, and the
// bookkeeping of orders, experience and ammunition.
#include "rules/assault_fire.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "combat_fixture.hpp"
#include "rules/artillery_fire.hpp"

namespace gm {
namespace {

using namespace gm::testing;

constexpr int kAx = 100, kAy = 100, kDx = 101, kDy = 100;

struct Duel {
  std::unique_ptr<World> w;
  TFormation* attacker;
  TFormation* defender;
};

// A German infantry formation beside a Soviet armoured one, on plain ground.
Duel MakeDuel() {
  Duel d{MakeCombatWorld(TileNamed("Plain")), nullptr, nullptr};
  d.attacker = &PlaceGround(*d.w, 1, kAx, kAy, TypeOfKind(kGerman, 5));
  d.defender = &PlaceGround(*d.w, 2, kDx, kDy, TypeOfKind(kSoviet, 4));
  SelectAndTarget(*d.w, kAx, kAy, kDx, kDy);
  return d;
}

std::uint16_t ModelWithArmorAttack(int value) {
  const std::uint16_t m = EquipmentWhere([&](const TEquipmentModel& e) {
    const std::uint16_t a = e.ArmorAttack;
    return e.Category == 5 && a == value;
  });
  return m != 0 ? m : EquipmentWhere([&](const TEquipmentModel& e) {
    const std::uint16_t a = e.ArmorAttack;
    return a == value;
  });
}

// Movement + GroundDefense of a model, read by value from the packed row.
int GroundCover(std::uint16_t model) {
  const std::uint16_t mov = EquipmentModels[model].Movement;
  const std::uint16_t def = EquipmentModels[model].GroundDefense;
  return mov + def;
}

TEST(AssaultFireTest, WorkedExampleOfTheFirstArmourPhase) {
  Duel d = MakeDuel();
  const std::uint16_t howitzer = ModelWithArmorAttack(4);
  ASSERT_NE(howitzer, 0);
  const std::uint16_t tank = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t mov = e.Movement, def = e.GroundDefense;
    return e.Category == 1 && mov == 4 && def == 6;
  });
  ASSERT_NE(tank, 0);
  // A gun whose cover is 18 gives the defence of 90; without one, any self-propelled gun
  // still shows that 18 allotted points kill nothing against a base of 72.
  std::uint16_t gun = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t mov = e.Movement, def = e.GroundDefense;
    return mov + def == 18;
  });
  if (gun == 0) gun = EquipmentWhere([](const TEquipmentModel& e) { return e.Category == 2; });

  d.attacker->Experience = 50;
  d.attacker->Morale = 60;
  d.attacker->pairs[18] = {12, howitzer};
  d.defender->Experience = 20;
  d.defender->Morale = 100;
  d.defender->pairs[0] = {10, tank};
  d.defender->pairs[8] = {2, gun};

  FixedClock clock(0);  // the spread draws a = 0
  RunGroundFirePhase(*d.w, clock, kAx, kAy, kDx, kDy, kAssaultPhases[0].fire);
  EXPECT_EQ(d.w->Combat.AttackStrength, 108);
  EXPECT_EQ(d.w->Combat.DefenceBase, 72);
  EXPECT_EQ(GroundCover(tank) + 72, 82);
  EXPECT_EQ(d.defender->pairs[0].Count, 9);  // 90 div 82
  EXPECT_EQ(d.defender->pairs[8].Count, 2);  // 18 div 90 (or more)
  EXPECT_EQ(d.defender->pairs[8].Model, gun);
  EXPECT_EQ(d.attacker->pairs[18].Count, 12);
}

TEST(AssaultFireTest, FirerStrengthByPhase) {
  const std::uint16_t howitzer = ModelWithArmorAttack(4);
  ASSERT_NE(howitzer, 0);
  const int armour = EquipmentModels[howitzer].ArmorAttack;
  const int infantry = EquipmentModels[howitzer].InfantryAttack;
  struct Case {
    const char* what;
    const GroundFirePhase& phase;
    int pair;
    std::uint16_t count, men, experience, morale;
    int expected;  // strength after the phase, terrain bonus of 100 included
  };
  const Case cases[] = {
      {"4 pieces with m = 2 give nothing", kAssaultPhases[0].fire, 18, 4, 0, 0, 0, 100},
      {"5 pieces with m = 2 give one", kAssaultPhases[0].fire, 18, 5, 0, 0, 0, 100 + armour},
      {"1 piece with m = 8 gives nothing", kAssaultPhases[1].fire, 18, 1, 0, 0, 0, 100},
      {"2 pieces with m = 8 give one", kAssaultPhases[1].fire, 18, 2, 0, 0, 0, 100 + infantry},
      {"nothing to fire: terrain alone", kAssaultPhases[0].fire, 18, 0, 0, 120, 90, 100},
      {"veteran and keen", kAssaultPhases[0].fire, 18, 5, 0, 100, 75, 100 + armour + 300 + 150},
      {"just below both", kAssaultPhases[0].fire, 18, 5, 0, 99, 74, 100 + armour},
      {"main body: men add a 25th", kAssaultPhases[4].fire, 0, 0, 1000, 0, 0, 140},
      {"artillery fire: single bonuses", kBombardmentPhases[0], 18, 10, 0, 100, 75,
       100 + armour + 100 + 75},
      {"artillery fire: 9 pieces give nothing", kBombardmentPhases[0], 18, 9, 0, 0, 0, 100},
      {"artillery fire: 1 piece soft", kBombardmentPhases[1], 18, 1, 0, 0, 0, 100},
      {"artillery fire: 2 pieces soft", kBombardmentPhases[1], 18, 2, 0, 0, 0, 100 + infantry},
  };
  for (const Case& c : cases) {
    Duel d = MakeDuel();
    d.attacker->pairs[c.pair] = {c.count, howitzer};
    d.attacker->Men = c.men;
    d.attacker->Experience = c.experience;
    d.attacker->Morale = c.morale;
    FixedClock clock(0);
    RunGroundFirePhase(*d.w, clock, kAx, kAy, kDx, kDy, c.phase);
    EXPECT_EQ(d.w->Combat.AttackStrength, c.expected) << c.what;
  }
}

TEST(AssaultFireTest, SoftTargetsShareTheStrength) {
  const std::uint16_t model = EquipmentWhere([](const TEquipmentModel&) { return true; });
  const int cover = GroundCover(model);
  struct Case {
    const char* what;
    std::uint16_t men, armouredCars, fieldGuns, mortars;
    std::int32_t strength;
    std::uint16_t menAfter, fieldGunsAfter, mortarsAfter;
  };
  const auto field = [&](int left, int allotment) {
    return static_cast<std::uint16_t>(std::max(0, left - allotment / (cover + 10 + 50)));
  };
  const auto mortar = [&](int left, int allotment) {
    return static_cast<std::uint16_t>(std::max(0, left - allotment / (cover + 10 + 100)));
  };
  const Case cases[] = {
      // Items: men (at least 1), one phantom horse and one phantom car item, the guns.
      {"300 men are two items", 300, 0, 0, 0, 300, 75, 0, 0},
      {"299 men are one item", 299, 0, 0, 0, 300, 149, 0, 0},
      {"149 men are one item and lose all", 149, 0, 0, 0, 300, 0, 0, 0},
      {"armoured cars shield the men", 300, 5, 0, 0, 300, 210, 0, 0},
      {"guns +50, mortars +100", 0, 0, 50, 50, 103 * 6, 0, field(50, 300), mortar(50, 300)},
      {"no strength, no loss", 300, 0, 50, 50, 0, 300, 50, 50},
  };
  for (const Case& c : cases) {
    auto w = MakeCombatWorld(0);
    TFormation& t = PlaceGround(*w, 2, kDx, kDy, TypeOfKind(kSoviet, 5));
    t.Men = c.men;
    for (int k = 11; k <= 13; ++k) t.pairs[k] = {c.armouredCars, model};
    t.pairs[14] = {c.fieldGuns, model};
    t.pairs[21] = {c.mortars, model};
    w->Combat.DefenceBase = 10;
    ApplyFire(*w, t, c.strength, TargetClass::kSoft, DefenceKind::kGround);
    EXPECT_EQ(t.Men, c.menAfter) << c.what;
    EXPECT_EQ(t.pairs[14].Count, c.fieldGunsAfter) << c.what;
    EXPECT_EQ(t.pairs[21].Count, c.mortarsAfter) << c.what;
    EXPECT_EQ(t.Horses, 0) << c.what;  // phantom items lose nothing
    EXPECT_EQ(t.Cars, 0) << c.what;
    EXPECT_EQ(t.pairs[11].Count, c.armouredCars) << c.what;  // not a soft target
  }
}

TEST(AssaultFireTest, KillsNeverTakeACountBelowZero) {
  auto w = MakeCombatWorld(0);
  const std::uint16_t model = EquipmentWhere([](const TEquipmentModel&) { return true; });
  TFormation& t = PlaceGround(*w, 2, kDx, kDy, TypeOfKind(kSoviet, 4));
  t.pairs[0] = {3, model};
  t.pairs[9] = {1, model};
  t.pairs[6] = {7, 1};  // aircraft slots are no ground target
  t.Men = 10;
  t.Horses = 2;
  t.Cars = 1;
  w->Combat.DefenceBase = -1000;  // defences floor at 1
  ApplyFire(*w, t, 2'000'000'000, TargetClass::kArmour, DefenceKind::kGround);
  ApplyFire(*w, t, 2'000'000'000, TargetClass::kSoft, DefenceKind::kGround);
  EXPECT_EQ(t.pairs[0].Count, 0);
  EXPECT_EQ(t.pairs[9].Count, 0);
  EXPECT_EQ(t.pairs[0].Model, model);  // an emptied pair keeps its model until the clean-up
  EXPECT_EQ(t.pairs[6].Count, 7);
  EXPECT_EQ(t.Men, 0);
  EXPECT_EQ(t.Horses, 0);
  EXPECT_EQ(t.Cars, 0);
}

TEST(AssaultFireTest, DefenderWithoutAmmunitionDoesNotFireBack) {
  Duel d = MakeDuel();
  const std::uint16_t model = ModelWithArmorAttack(4);
  for (TFormation* f : {d.attacker, d.defender}) {
    f->Men = 5000;
    f->Experience = 50;
    f->Morale = 50;
    f->pairs[18] = {40, model};
    f->pairs[0] = {40, model};
    f->Cars = 100;
    f->Horses = 300;
  }
  d.attacker->Ammo = 3;
  d.defender->Ammo = 0;
  const TFormation attackerBefore = *d.attacker;
  FixedClock clock(0);
  const AssaultOutcome outcome = ResolveAssault(*d.w, clock);

  const TFormation& a = Formation(*d.w, 1);
  EXPECT_EQ(a.Men, attackerBefore.Men);
  EXPECT_EQ(a.pairs[0].Count, attackerBefore.pairs[0].Count);
  EXPECT_EQ(a.Cars, attackerBefore.Cars);
  EXPECT_EQ(a.OrdersLeft, 1);
  EXPECT_EQ(a.Experience, 52);
  EXPECT_EQ(a.Ammo, 2);
  EXPECT_EQ(outcome, AssaultOutcome::Retreated);  // no ammunition: it gives way
  const TFormation& def = Formation(*d.w, 2);
  EXPECT_EQ(def.Experience, 50);
  EXPECT_EQ(def.Ammo, 0);
  EXPECT_LT(def.Men, 5000);
  EXPECT_EQ(d.w->Combat.CombatMode, kCombatAssault);
}

TEST(AssaultFireTest, BothSidesFireAndGainExperience) {
  Duel d = MakeDuel();
  const std::uint16_t model = ModelWithArmorAttack(4);
  for (TFormation* f : {d.attacker, d.defender}) {
    f->Men = 5000;
    f->Experience = 65535;  // experience has no cap of its own, but never wraps
    f->Morale = 300;
    f->pairs[18] = {40, model};
    f->Ammo = 1;
  }
  d.attacker->OrdersLeft = 0;
  FixedClock clock(0);
  ResolveAssault(*d.w, clock);
  const TFormation& a = Formation(*d.w, 1);
  EXPECT_LT(a.Men, 5000);
  EXPECT_EQ(a.Experience, 65535);
  EXPECT_EQ(a.Ammo, 0);
  EXPECT_EQ(a.OrdersLeft, 0);
  // The defender's ammunition ran out in the fight, so it gives way.
  const TFormation* def = UsedFormation(*d.w, 2);
  ASSERT_NE(def, nullptr);
  EXPECT_EQ(def->Ammo, 0);
  EXPECT_EQ(def->Experience, 65535);
  EXPECT_NE(d.w->TargetX * 1000 + d.w->TargetY, kDx * 1000 + kDy);
}

TEST(AssaultFireTest, CleanupRemovesTheSideWithoutMen) {
  Duel d = MakeDuel();
  const std::uint16_t model = ModelWithArmorAttack(4);
  d.attacker->Men = 20'000;
  d.attacker->pairs[18] = {500, model};
  d.attacker->pairs[19] = {0, model};  // an empty pair loses its model
  d.attacker->Ammo = 5;
  d.defender->Men = 10;
  d.defender->Ammo = 5;
  d.defender->pairs[0] = {0, model};
  FixedClock clock(0);
  ResolveAssault(*d.w, clock);
  EXPECT_EQ(Cell(*d.w, kDx, kDy).GroundFormation, 0);
  EXPECT_EQ(Formation(*d.w, 2).Branch, 0);
  EXPECT_EQ(Cell(*d.w, kAx, kAy).GroundFormation, 1);
  EXPECT_EQ(Formation(*d.w, 1).pairs[18].Model, model);
  EXPECT_EQ(Formation(*d.w, 1).pairs[19].Model, 0);
}

// The surprise of the first days goes by whose turn it is, not by who fires: on the opener's
// turn the defender's return fire is doubled as well, on the other side's turn nobody's is.
TEST(AssaultFireTest, SurpriseRaisesTheReturnFireOnTheOpenersTurnOnly) {
  const std::uint16_t howitzer = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t v = e.InfantryAttack;
    return e.Category == 5 && v >= 5;
  });
  ASSERT_NE(howitzer, 0);
  struct Case {
    const char* what;
    int day, month, year;
    bool openerOnMove;
  };
  const Case cases[] = {
      {"an ordinary day", 1, 7, 1942, true},
      {"22 June, the opener on move", 22, 6, 1941, true},
      {"22 June, the other side on move", 22, 6, 1941, false},
  };
  int attackerLoss[3], defenderLoss[3];
  for (int i = 0; i < 3; ++i) {
    const Case& c = cases[i];
    Duel d = MakeDuel();
    d.w->GameHeader.Day = static_cast<std::uint16_t>(c.day);
    d.w->GameHeader.Month = static_cast<std::uint16_t>(c.month);
    d.w->GameHeader.Year = static_cast<std::uint16_t>(c.year);
    d.w->OpeningCoalition = c.openerOnMove ? d.w->SideOnMove : 1 - d.w->SideOnMove;
    d.attacker->Men = 3000;
    d.attacker->Morale = 300;
    d.attacker->Ammo = 5;
    d.defender->Men = 3000;
    d.defender->Morale = 300;
    d.defender->Ammo = 5;
    d.defender->pairs[18] = {10, howitzer};
    FixedClock clock(0);  // every spread draws a = 0
    ResolveAssault(*d.w, clock);
    attackerLoss[i] = 3000 - Formation(*d.w, 1).Men;
    defenderLoss[i] = 3000 - Formation(*d.w, 2).Men;
  }
  EXPECT_GT(attackerLoss[0], 0);
  EXPECT_LT(attackerLoss[1], 3000);
  EXPECT_GT(attackerLoss[1], attackerLoss[0]) << cases[1].what;
  EXPECT_GT(defenderLoss[1], defenderLoss[0]) << cases[1].what;
  EXPECT_EQ(attackerLoss[2], attackerLoss[0]) << cases[2].what;
  EXPECT_EQ(defenderLoss[2], defenderLoss[0]) << cases[2].what;
}

// A defender whose men all fall in the first pass keeps firing with its tanks in the fourth;
// only the clean-up after the outcome removes it.
TEST(AssaultFireTest, AFormationWithoutMenStillFiresItsLaterPasses) {
  const std::uint16_t howitzer = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t v = e.InfantryAttack;
    return e.Category == 5 && v >= 5;
  });
  const std::uint16_t tank = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t v = e.ArmorAttack;
    return e.Category == 1 && v >= 5;
  });
  ASSERT_NE(howitzer, 0);
  ASSERT_NE(tank, 0);
  int attackerTanksLeft[2];
  for (int defenderTanks : {0, 200}) {
    Duel d = MakeDuel();
    d.attacker->Men = 5000;
    d.attacker->Ammo = 5;
    d.attacker->pairs[18] = {300, howitzer};
    d.attacker->pairs[0] = {50, tank};
    d.defender->Men = 10;
    d.defender->Morale = 1000;
    d.defender->Ammo = 5;
    d.defender->pairs[0] = {static_cast<std::uint16_t>(defenderTanks), tank};
    FixedClock clock(0);
    ResolveAssault(*d.w, clock);
    EXPECT_EQ(UsedFormation(*d.w, 2), nullptr) << "its men fell in the first pass";
    attackerTanksLeft[defenderTanks == 0 ? 0 : 1] = Formation(*d.w, 1).pairs[0].Count;
  }
  EXPECT_LT(attackerTanksLeft[1], attackerTanksLeft[0]);
}

}  // namespace
}  // namespace gm
