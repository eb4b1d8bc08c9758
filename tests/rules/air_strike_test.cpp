// The air strike: the interceptor search, the enemy air defence, bombing and aircraft losses.
#include "rules/air_strike.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "combat_fixture.hpp"
#include "platform/headless/memory_file_system.hpp"
#include "rules/combat_interception.hpp"
#include "tests/world/synthetic_world.hpp"
#include "world/save_slots.hpp"

namespace gm {
namespace {

using namespace gm::testing;

constexpr int kTx = 100, kTy = 100;

struct Placed {
  int dx, dy;
  int nation, kind;
};

// The German coalition on move; air formations from 10 on placed around the target.
std::unique_ptr<World> AirWorld(const std::vector<Placed>& air, int tx = kTx, int ty = kTy) {
  auto w = MakeCombatWorld(TileNamed("Plain"));
  int id = 10;
  for (const Placed& p : air) {
    PlaceAir(*w, id++, tx + p.dx, ty + p.dy, TypeOfKind(p.nation, p.kind));
  }
  SelectAndTarget(*w, tx, ty, tx, ty);
  return w;
}

TEST(InterceptorTest, RingOrderAndTheNewCell) {
  struct Case {
    const char* what;
    std::vector<Placed> air;
    int movedId;  // 0: nobody moves
    int toDx, toDy;
  };
  const Case cases[] = {
      {"N before W, moved to the free NW",
       {{-1, 0, kSoviet, 21}, {0, -1, kSoviet, 21}},
       11,
       -1,
       -1},
      {"two cells west, to the NW", {{-2, 0, kSoviet, 21}}, 10, -1, -1},
      {"distance 1 before distance 2", {{2, -2, kSoviet, 21}, {1, 1, kSoviet, 21}}, 11, -1, -1},
      {"ring 3 starts at its north-west corner",
       {{3, 3, kSoviet, 21}, {-3, -3, kSoviet, 21}},
       11,
       -1,
       -1},
      {"a fighter already at NW stays in its own cell", {{-1, -1, kSoviet, 21}}, 10, -1, -1},
      {"friendly fighters and bombers are not interceptors",
       {{-1, 0, kGerman, 21}, {0, -1, kSoviet, 23}},
       0,
       0,
       0},
      {"beyond three cells nothing is found", {{4, 0, kSoviet, 21}}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    auto w = AirWorld(c.air);
    FindInterceptor(*w);
    for (std::size_t i = 0; i < c.air.size(); ++i) {
      const int id = 10 + static_cast<int>(i);
      const TFormation& f = Formation(*w, id);
      const bool moved = id == c.movedId;
      const int x = kTx + (moved ? c.toDx : c.air[i].dx);
      const int y = kTy + (moved ? c.toDy : c.air[i].dy);
      EXPECT_EQ(f.X, x) << c.what << " #" << id;
      EXPECT_EQ(f.Y, y) << c.what << " #" << id;
      EXPECT_EQ(f.xCopy, x) << c.what;
      EXPECT_EQ(f.yCopy, y) << c.what;
      EXPECT_EQ(Cell(*w, x, y).AirFormation, id) << c.what;
    }
    if (c.movedId != 0) {
      const Placed& from = c.air[c.movedId - 10];
      if (from.dx != c.toDx || from.dy != c.toDy) {
        EXPECT_EQ(Cell(*w, kTx + from.dx, kTy + from.dy).AirFormation, 0) << c.what;
      }
      // Only the interceptor is left in the mask.
      int marks = 0;
      for (const auto& row : w->Combat.InterceptMask) {
        for (std::uint8_t m : row) marks += m;
      }
      EXPECT_EQ(marks, 1) << c.what;
    }
  }
}

TEST(InterceptorTest, StaysWhenEveryNeighbourHoldsAnAirFormation) {
  std::vector<Placed> air;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (dx != 0 || dy != 0) air.push_back({dx, dy, kGerman, 23});
    }
  }
  air.push_back({3, 0, kSoviet, 21});
  auto w = AirWorld(air);
  FindInterceptor(*w);
  EXPECT_EQ(Cell(*w, kTx + 3, kTy).AirFormation, 18);
  EXPECT_EQ(Formation(*w, 18).X, kTx + 3);
}

TEST(InterceptorTest, TargetsAtTheMapCornersLookOnlyOnTheMap) {
  // Target (0, 0): of the neighbours only E, SE and S lie on the map; E comes first.
  auto w = AirWorld({{2, 2, kSoviet, 21}}, 0, 0);
  FindInterceptor(*w);
  EXPECT_EQ(Cell(*w, 1, 0).AirFormation, 10);
  for (int dx = 0; dx < 3; ++dx) EXPECT_EQ(w->Combat.InterceptMask[dx][0], 0);  // off the map
  // Target (999, 399): W is the only free on-map neighbour after NW and N.
  auto far =
      AirWorld({{-3, -1, kSoviet, 21}, {-1, -1, kGerman, 23}, {0, -1, kGerman, 23}}, 999, 399);
  FindInterceptor(*far);
  EXPECT_EQ(Cell(*far, 998, 399).AirFormation, 10);
  FindEnemyAA(*far);  // no neighbour off the map is looked at
  EXPECT_EQ(far->Combat.EnemyAAFlags, (std::array<std::uint8_t, 9>{}));
}

TEST(InterceptorTest, AnInterceptorBesideTheTheatreEdgeSurvivesASaveAndALoad) {
  // A German strike on a Soviet division on row 30: the Soviet fighters move to its free
  // north-west neighbour, on row 29, outside the theatre but on the map a save stores.
  auto w = MakeCombatWorld(TileNamed("Plain"));
  w->GameHeader.MapWidth = kMapWidth;
  w->GameHeader.MapHeight = kMapHeight;
  w->GameHeader.FormationCount = kMaxFormations;
  w->SideOnMove = kGermanSide;
  PlaceGround(*w, 1, 100, 30, 7);  // a Soviet rifle division
  PlaceAir(*w, 2, 102, 31, 51);    // a Soviet fighter regiment
  SelectAndTarget(*w, 100, 30, 100, 30);
  FindInterceptor(*w);
  ASSERT_EQ(Formation(*w, 2).Y, 29);
  ASSERT_EQ(Cell(*w, 99, 29).AirFormation, 2);

  MemoryFileSystem fs;
  w->SaveSlots.ChosenSlot = 1;
  RebuildHoldings(*w);  // as a load leaves it, to compare the whole world after the load
  ASSERT_TRUE(SaveSlot(*w, fs));
  auto saved = CopyWorld(*w);
  w->Formations[1].Men = 77;
  ASSERT_TRUE(LoadSlot(*w, fs));
  EXPECT_EQ(Formation(*w, 2).Branch, 2);
  EXPECT_EQ(Cell(*w, 99, 29).AirFormation, 2);
  EXPECT_TRUE(SameBytes(*w, *saved));
}

TEST(EnemyAATest, OnlyArmedEnemyAirDefenceFires) {
  const std::uint16_t aaGun = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t v = e.AirAttack;
    return e.Category == 8 && v > 0;
  });
  ASSERT_NE(aaGun, 0);
  struct Case {
    const char* what;
    int nation, kind;
    std::uint16_t guns, ammo;
    bool fires;
  };
  const Case cases[] = {
      {"enemy air defence", kSoviet, 10, 3, 1, true}, {"no ammunition", kSoviet, 10, 3, 0, false},
      {"no guns", kSoviet, 10, 0, 1, false},          {"another kind", kSoviet, 5, 3, 1, false},
      {"friendly", kGerman, 10, 3, 1, false},
  };
  for (const Case& c : cases) {
    for (int dir = 0; dir < 9; dir += 4) {  // NW, the target's own cell, SE
      auto w = AirWorld({});
      const int dx = dir % 3 - 1, dy = dir / 3 - 1;
      TFormation& f = PlaceGround(*w, 2, kTx + dx, kTy + dy, TypeOfKind(c.nation, c.kind));
      f.pairs[29] = {c.guns, aaGun};
      f.Ammo = c.ammo;
      FindEnemyAA(*w);
      for (int i = 0; i < 9; ++i) {
        const bool expected = c.fires && i == dir && dir != 4;
        EXPECT_EQ(w->Combat.EnemyAAFlags[i], expected ? 1 : 0) << c.what << " at " << dir;
      }
    }
  }
}

TEST(AirStrikeTest, VeteranAndKeenCrewsAddAFifth) {
  const std::uint16_t row = AircraftWhere([](const TAircraftModel& a) {
    const std::uint16_t v = a.ArmorAttack;
    return v > 0;
  });
  const int armour = AircraftModels[row].ArmorAttack;
  TFormation f{};
  f.pairs[0] = {10, row};
  struct Case {
    std::uint16_t experience, morale;
    std::int64_t expected;
  };
  for (const Case& c : {Case{99, 74, 4 * armour}, Case{100, 74, 4 * armour + 20},
                        Case{99, 75, 4 * armour + 15}, Case{100, 75, 4 * armour + 35}}) {
    f.Experience = c.experience;
    f.Morale = c.morale;
    EXPECT_EQ(BomberStrength(f, 4, FireValue::kArmorAttack), c.expected) << c.experience;
  }
  f = TFormation{};
  f.Experience = 500;
  f.Morale = 500;
  EXPECT_EQ(BomberStrength(f, 4, FireValue::kArmorAttack), 0);  // no aircraft, no bonus
}

struct Strike {
  std::unique_ptr<World> w;
  TFormation* striker;
  TFormation* target;
};

Strike MakeStrike(std::uint16_t aircraftCount, std::uint16_t targetAmmo, std::uint16_t aaGuns) {
  Strike s{AirWorld({}), nullptr, nullptr};
  const std::uint16_t row = AircraftWhere([](const TAircraftModel& a) {
    const std::uint16_t v = a.InfantryAttack;
    return v >= 10;
  });
  const std::uint16_t aaGun = EquipmentWhere([](const TEquipmentModel& e) {
    const std::uint16_t v = e.AirAttack;
    return e.Category == 8 && v > 0;
  });
  s.striker = &PlaceAir(*s.w, 1, kTx, kTy, TypeOfKind(kGerman, 23));
  s.striker->pairs[2] = {aircraftCount, row};
  s.striker->Experience = 40;
  s.target = &PlaceGround(*s.w, 2, kTx, kTy, TypeOfKind(kSoviet, 5));
  s.target->Men = 6000;
  s.target->Ammo = targetAmmo;
  s.target->Experience = 10;
  s.target->Morale = 500;  // a defence base of 51 keeps its men alive
  s.target->pairs[28] = {aaGuns, aaGun};
  return s;
}

TEST(AirStrikeTest, WithoutAntiAircraftFireTheStrikerLosesNothing) {
  Strike s = MakeStrike(60, 0, 50);
  FindEnemyAA(*s.w);
  FixedClock clock(0);
  ResolveAirStrike(*s.w, clock);
  EXPECT_EQ(s.striker->pairs[2].Count, 60);
  EXPECT_LT(s.target->Men, 6000);
  EXPECT_EQ(s.striker->Experience, 42);
  EXPECT_EQ(s.target->Experience, 11);
  EXPECT_EQ(s.target->Ammo, 0);
}

TEST(AirStrikeTest, AntiAircraftFireOfTheTargetAndItsNeighbours) {
  for (bool neighbourFires : {false, true}) {
    Strike s = MakeStrike(60, neighbourFires ? 0 : 1, 100);
    if (neighbourFires) {
      TFormation& aa = PlaceGround(*s.w, 3, kTx, kTy + 1, TypeOfKind(kSoviet, 10));
      aa.pairs[30] = s.target->pairs[28];
      aa.Men = 100;
      aa.Ammo = 1;
    }
    FindEnemyAA(*s.w);
    FixedClock clock(0);
    ResolveAirStrike(*s.w, clock);
    EXPECT_EQ(s.target->Ammo, neighbourFires ? 0 : 1);  // no ammunition is spent
    const std::uint16_t left = s.striker->pairs[2].Count;
    EXPECT_LT(left, 60) << neighbourFires;
    EXPECT_GT(left, 0) << neighbourFires;
    // Losses of 2 or more: half destroyed, the rest waiting for repair.
    const int lost = 60 - left;
    const TEconomy& e = s.w->Economy;
    EXPECT_EQ(e.AircraftLosses[1][NationIndex(kGerman)], lost >= 2 ? lost / 2 : 0);
    EXPECT_EQ(RepairQueueOf(s.w->Economy, kGerman, kAircraftModelBase + s.striker->pairs[2].Model),
              lost - (lost >= 2 ? lost / 2 : 0));
  }
}

TEST(AirStrikeTest, AStrikerWithoutAircraftIsRemovedAndTheGroundStays) {
  Strike s = MakeStrike(0, 1, 50);
  FindEnemyAA(*s.w);
  FixedClock clock(0);
  ResolveAirStrike(*s.w, clock);
  EXPECT_EQ(Cell(*s.w, kTx, kTy).AirFormation, 0);
  EXPECT_EQ(Formation(*s.w, 1).Branch, 0);
  EXPECT_EQ(Cell(*s.w, kTx, kTy).GroundFormation, 2);
  EXPECT_EQ(s.target->Men, 6000);
}

// The anti-aircraft fire comes after the bombing: guns destroyed by the bombs fire nothing, so a
// keen target (whose morale bonus needs a strength above 0) does the striker no harm.
TEST(AirStrikeTest, GunsDestroyedByTheBombsDoNotFire) {
  for (std::uint16_t guns : {1, 400}) {
    Strike s = MakeStrike(100, 1, guns);
    s.target->Men = 100;
    FindEnemyAA(*s.w);
    FixedClock clock(0);
    ResolveAirStrike(*s.w, clock);
    if (guns == 1) {
      EXPECT_EQ(s.target->pairs[28].Count, 0);
      EXPECT_EQ(s.striker->pairs[2].Count, 100);
    } else {
      EXPECT_GT(s.target->pairs[28].Count, 0);  // enough survive to fire back
      EXPECT_LT(s.striker->pairs[2].Count, 100);
    }
  }
}

}  // namespace
}  // namespace gm
