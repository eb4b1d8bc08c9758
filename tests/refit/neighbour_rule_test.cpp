// Whether a formation can be refitted where it stands: enemy contact, the theatre's edge and
// impassable ground around it, for ammunition, men and equipment.
#include <gtest/gtest.h>

#include <functional>

#include "refit_world.hpp"

namespace gm {
namespace {

using namespace gm::testing;

constexpr int kAround[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                               {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

void Rock(RefitWorld& t, int from) {
  for (int i = from; i < 8; ++i)
    Cell(t.w, kX + kAround[i][0], kY + kAround[i][1]).Terrain = TileWithCost(true);
}
void Ring(RefitWorld& t, std::uint16_t type) {
  for (int i = 0; i < 8; ++i) t.Put(kAround[i][0], kAround[i][1], 10 + i, type);
}

TEST(RefitNeighbourRuleTest, ContactStopsMenAndEquipmentAClosedRingStopsAmmunition) {
  const std::uint16_t enemy = EnemyArmyType();
  struct Case {
    const char* name;
    int x, y;
    std::function<void(RefitWorld&)> setup;
    std::int32_t ammoMessage, otherMessage;
  } cases[] = {
      {"open ground", kX, kY, [](RefitWorld&) {}, 1, 1},
      {"own formations all round", kX, kY, [](RefitWorld& t) { Ring(t, kRifles); }, 1, 1},
      {"one enemy, seven impassable", kX, kY,
       [&](RefitWorld& t) { Rock(t, 1), t.Put(-1, -1, 9, enemy); }, 1, 9},
      {"the enemy on impassable ground", kX, kY,
       [&](RefitWorld& t) { Rock(t, 0), t.Put(-1, -1, 9, enemy); }, 1, 7},
      {"corner of the theatre", kTheatreMinX, kTheatreMinY, [](RefitWorld&) {}, 1, 9},
      {"enemies all round", kX, kY, [&](RefitWorld& t) { Ring(t, enemy); }, 7, 9},
      {"one order left, then contact", kX, kY,
       [&](RefitWorld& t) { t.f->OrdersLeft = 1, t.Put(1, 1, 9, enemy); }, 3, 9},
  };
  for (const Case& c : cases) {
    RefitWorld t(kRifles, c.x, c.y);
    t.f->Men = static_cast<std::uint16_t>(t.f->Men - 100);
    t.f->Ammo = 0;
    t.pool(&TEconomy::VeteranPool) = t.pool(&TEconomy::RecruitPool) = 1000;
    t.stock(t.guns[0]) = 100;
    c.setup(t);
    t.Open();
    EXPECT_EQ(t.message(), c.ammoMessage) << c.name;
    EXPECT_EQ(t.page().Step(1), c.ammoMessage == 1) << c.name;
    t.Choose(kMenField);
    EXPECT_EQ(t.message(), c.otherMessage) << c.name;
    EXPECT_EQ(t.page().Step(1), c.otherMessage == 1) << c.name;
    t.Choose(kFieldGunField);
    t.CursorOnModel(t.guns[0]);
    EXPECT_EQ(t.message(), c.otherMessage) << c.name;
    EXPECT_EQ(t.page().Step(1), c.otherMessage == 1) << c.name;
  }
}

// The page works on a ground formation of the side on move only: an empty cell, a cell off the
// map, an enemy or an air formation gets nothing booked, checked or filled.
TEST(RefitNeighbourRuleTest, OnlyAnOwnGroundFormationIsServed) {
  std::uint16_t ownAir = 0;
  for (int ty = 1; ty <= kFormationTypeRows && ownAir == 0; ++ty) {
    const std::uint16_t nation = FormationTypes[ty].Nation, branch = FormationTypes[ty].Branch;
    if (nation == kSovietNation && branch == 2) ownAir = static_cast<std::uint16_t>(ty);
  }
  ASSERT_NE(ownAir, 0);
  using Sel = std::array<std::uint16_t, 3>;
  struct Case {
    const char* name;
    Sel selection;
    bool served;
  } cases[] = {
      {"own ground formation", {1, kX, kY}, true},
      {"empty cell", {1, kX + 1, kY}, false},
      {"off the map", {1, 1000, 500}, false},
      {"enemy ground formation", {1, kX + 2, kY}, false},
      {"own air formation alone", {1, kX + 3, kY}, false},
  };
  for (const Case& c : cases) {
    RefitWorld t;
    t.f->Men = static_cast<std::uint16_t>(t.f->Men - 100);
    t.f->Ammo = 3;
    t.pool(&TEconomy::VeteranPool) = t.pool(&TEconomy::RecruitPool) = 1000;
    t.Put(2, 0, 2, EnemyArmyType());
    PlaceFormation(t.w, 3, kX + 3, kY, ownAir);
    for (int dx : {2, 3})
      PlaceSettlement(t.w, 2 + dx, kX + dx, kY, kSovietNation, kSovietNation, 50);
    t.w.Selection = c.selection;
    t.Open();
    EXPECT_EQ(t.page().AutoRefitOffered, c.served ? 1 : 0) << c.name;
    t.Choose(kMenField);
    EXPECT_EQ(t.page().Step(1), c.served ? 1 : 0) << c.name;
  }
}

}  // namespace
}  // namespace gm
