// The refit check as the page opens: where the formation may draw on its reserves and whether the
// automatic refit has anything to do.
#include "refit/refit_check.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "refit_world.hpp"

namespace gm {
namespace {

using namespace gm::testing;

constexpr int kAround[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                               {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

// A model of `category` whose air-transport flag is `air`, or 0.
std::uint16_t ModelWithLift(int category, int air) {
  for (std::uint16_t m : ModelsOf(category)) {
    const std::uint16_t lift = EquipmentModels[m].AirTransportable;
    if (lift == air) return m;
  }
  return 0;
}

constexpr std::uint16_t kAirborneDivision = 18;  // nation 5, kind 6: 36 field guns

TEST(RefitCheckTest, WhereTheFormationMayDrawAndWhatIsOffered) {
  struct Case {
    const char* name;
    std::function<void(RefitWorld&)> setup;
    std::uint8_t hereAllowed, offered;
    std::uint16_t type = kRifles;
  };
  const std::uint16_t a = ModelsOf(1)[0], b = ModelsOf(1)[1];
  const Case cases[] = {
      {"full strength in an own town", [](RefitWorld&) {}, 1, 0},
      {"ammunition short, off any town",
       [](RefitWorld& t) { t.f->Ammo = 4, Cell(t.w, kX, kY).Settlement = 0; }, 0, 1},
      {"ammunition short, one order left",
       [](RefitWorld& t) { t.f->Ammo = 3, t.f->OrdersLeft = 1; }, 1, 0},
      {"men short, elite reserve only",
       [](RefitWorld& t) { t.f->Men = 100, t.pool(&TEconomy::VeteranPool) = 1; }, 1, 1},
      {"men short, both pools empty", [](RefitWorld& t) { t.f->Men = 100; }, 1, 0},
      {"men short, an assault mark next to it",
       [](RefitWorld& t) {
         t.f->Men = 100, t.pool(&TEconomy::RecruitPool) = 500;
         t.w.GroundReachGrid(kGroundGridCentre + 1, kGroundGridCentre - 1) = 3;
       },
       0, 0},
      {"men short, a town held by the enemy",
       [](RefitWorld& t) {
         t.f->Men = 100, t.pool(&TEconomy::RecruitPool) = 500;
         Settlement(t.w, 1).HolderNation = 2;
       },
       0, 0},
      {"a neutral town", [](RefitWorld& t) { Settlement(t.w, 1).HolderNation = 10; }, 0, 0},
      {"an own airbase (value 0)", [](RefitWorld& t) { Settlement(t.w, 1).Value = 0; }, 1, 0},
      {"tanks short: a stockless model in slot 0, slot 1 empty, another model in stock",
       [=](RefitWorld& t) {
         t.f->pairs[0] = {13, a}, t.stock(b) = 5;
       },
       1, 1},
      {"tanks short: every slot names a stockless model",
       [=](RefitWorld& t) {
         for (int k = 0; k < 6; ++k) t.f->pairs[k] = {2, a};
         t.stock(b) = 5;
       },
       1, 0},
      {"airborne: only models it cannot carry in stock",
       [](RefitWorld& t) { t.stock(ModelWithLift(4, 0)) = 50; }, 1, 0, kAirborneDivision},
      {"airborne: a model it can carry in stock",
       [](RefitWorld& t) { t.stock(ModelWithLift(4, 1)) = 50; }, 1, 1, kAirborneDivision},
      {"cars short, car pool empty", [](RefitWorld& t) { t.f->Cars = 0; }, 1, 0},
      {"horses short, one horse in the pool",
       [](RefitWorld& t) { t.f->Horses = 0, t.pool(&TEconomy::HorsePool) = 1; }, 1, 1},
  };
  for (const Case& c : cases) {
    RefitWorld t(c.type);
    t.f->Ammo = 10;
    t.f->Cars = FormationTypes[c.type].Cars;
    t.f->Horses = FormationTypes[c.type].Horses;
    c.setup(t);
    t.Open();
    EXPECT_EQ(t.w.Refit.RefitHereAllowed, c.hereAllowed) << c.name;
    EXPECT_EQ(t.page().AutoRefitOffered, c.offered) << c.name;
    EXPECT_EQ(t.page().SelectedField, kAmmoField) << c.name;
  }
}

TEST(RefitCheckTest, ClosedAllRoundOffersNothingAndSaysSo) {
  const std::uint16_t enemy = EnemyArmyType();
  const std::uint16_t rock = TileWithCost(true);
  struct Case {
    const char* name;
    int x, y;
    std::function<void(RefitWorld&)> setup;
    bool blocked;
  } cases[] = {
      {"enemies all round", kX, kY,
       [&](RefitWorld& t) {
         for (int i = 0; i < 8; ++i) t.Put(kAround[i][0], kAround[i][1], 10 + i, enemy);
       },
       true},
      {"corner, enemies on the three cells inside", kTheatreMinX, kTheatreMinY,
       [&](RefitWorld& t) {
         t.Put(1, 0, 10, enemy), t.Put(0, 1, 11, enemy), t.Put(1, 1, 12, enemy);
       },
       true},
      {"corner, one of the three impassable", kTheatreMinX, kTheatreMinY,
       [&](RefitWorld& t) {
         t.Put(1, 0, 10, enemy), t.Put(0, 1, 11, enemy);
         Cell(t.w, kTheatreMinX + 1, kTheatreMinY + 1).Terrain = rock;
       },
       false},
  };
  for (const Case& c : cases) {
    RefitWorld t(kRifles, c.x, c.y);
    t.f->Ammo = 3;
    c.setup(t);
    t.Open();
    EXPECT_EQ(t.page().AutoRefitOffered, c.blocked ? 0 : 1) << c.name;
    // Contact is the reach grid's business (empty here): only a closed ring stops the check.
    EXPECT_EQ(t.w.Refit.RefitHereAllowed, c.blocked ? 0 : 1) << c.name;
    if (c.blocked) {
      EXPECT_EQ(t.message(), kRenewBlocked) << c.name;
    }
  }
}

TEST(RefitCheckTest, OpeningChangesNoRecordAndForgetsTheLastOpening) {
  RefitWorld t;
  t.f->Men = 100;
  t.pool(&TEconomy::RecruitPool) = 500;
  t.stock(t.guns[0]) = 50;
  t.page().Pending(kCarsField) = 7;
  t.page().Choice(17) = t.guns[0];
  t.page().SelectedField = 20;
  const TFormation before = *t.f;
  const TEconomy economy = t.w.Economy;
  t.Open();
  EXPECT_EQ(std::memcmp(&before, t.f, sizeof before), 0);
  EXPECT_EQ(std::memcmp(&economy, &t.w.Economy, sizeof economy), 0);
  EXPECT_EQ(t.page().PendingTotal, 0);
  EXPECT_EQ(t.page().Choice(17), 0);
  EXPECT_EQ(t.page().SelectedField, kAmmoField);
  EXPECT_EQ(t.page().ListCursor, 1);
  EXPECT_EQ(t.page().AutoRefitOffered, 1);
}

}  // namespace
}  // namespace gm
