// Whether a formation can be refitted where it stands: enemy contact, the theatre's edge and
// impassable ground around it, for ammunition, men and equipment.
#include <gtest/gtest.h>

#include <functional>

#include "refit/renew_messages.hpp"
#include "refit_world.hpp"

namespace gm {
namespace {

using namespace gm::testing;

constexpr int kAround[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                               {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

void Impassable(RefitWorld& t, int dx, int dy) {
  Cell(t.w, kX + dx, kY + dy).Terrain = ImpassableTile();
}

TEST(RefitNeighbourRuleTest, ContactBlocksMenAndEquipmentButNotAmmunition) {
  struct Case {
    const char* name;
    int x, y;
    std::function<void(RefitWorld&)> setup;
    std::int32_t ammoMessage, menMessage;
  } cases[] = {
      {"open ground", kX, kY, [](RefitWorld&) {}, kRenewAvailable, kRenewAvailable},
      {"own formations all round", kX, kY,
       [](RefitWorld& t) {
         for (int i = 0; i < 8; ++i) {
           PlaceFormation(t.w, 10 + i, kX + kAround[i][0], kY + kAround[i][1], kRifles);
         }
       },
       kRenewAvailable, kRenewAvailable},
      {"one enemy on open ground, seven impassable", kX, kY,
       [](RefitWorld& t) {
         for (int i = 1; i < 8; ++i) Impassable(t, kAround[i][0], kAround[i][1]);
         t.Enemy(-1, -1, 10);
       },
       kRenewAvailable, kRenewEnemyContact},
      {"the enemy on impassable ground too", kX, kY,
       [](RefitWorld& t) {
         for (auto [dx, dy] : kAround) Impassable(t, dx, dy);
         t.Enemy(-1, -1, 10);
       },
       kRenewAvailable, kRenewBlocked},
      {"north-west corner of the theatre", kTheatreMinX, kTheatreMinY, [](RefitWorld&) {},
       kRenewAvailable, kRenewEnemyContact},
      {"enemies all round", kX, kY,
       [](RefitWorld& t) {
         for (int i = 0; i < 8; ++i) t.Enemy(kAround[i][0], kAround[i][1], 10 + i);
       },
       kRenewBlocked, kRenewEnemyContact},
      {"one order left and an enemy: contact is reported last", kX, kY,
       [](RefitWorld& t) {
         t.f->OrdersLeft = 1;
         t.Enemy(1, 1, 10);
       },
       kRenewNeedsBothOrders, kRenewEnemyContact},
  };
  for (const Case& c : cases) {
    RefitWorld t(kRifles, c.x, c.y);
    t.f->Men = FormationTypes[kRifles].Men - 100;
    t.f->Ammo = 0;
    t.Pool(&TEconomy::VeteranPool) = 1000;
    t.Pool(&TEconomy::RecruitPool) = 1000;
    const std::uint16_t gun = ModelsOf(4)[0];
    t.Stock(gun) = 100;
    c.setup(t);
    t.Open();
    EXPECT_EQ(t.Message(), c.ammoMessage) << c.name;
    const bool ammoLive = c.ammoMessage == kRenewAvailable;
    EXPECT_EQ(t.page().Step(1), ammoLive) << c.name;

    t.Choose(kMenField);
    EXPECT_EQ(t.Message(), c.menMessage) << c.name;
    const bool menLive = c.menMessage == kRenewAvailable;
    EXPECT_EQ(t.page().Step(1), menLive) << c.name;

    t.Choose(17);
    t.CursorOnModel(gun);
    const std::int32_t gunMessage =
        c.menMessage == kRenewAvailable && t.f->OrdersLeft == 2 ? kRenewAvailable : c.menMessage;
    EXPECT_EQ(t.Message(), gunMessage) << c.name;
    EXPECT_EQ(t.page().Step(1), menLive) << c.name;
  }
}

TEST(RefitNeighbourRuleTest, NoGroundFormationUnderTheSelectionBooksNothing) {
  RefitWorld t;
  t.Open();
  t.w.Selection = {1, kX + 1, kY};
  UpdateRefitPanel(t.w, kRefitRefresh);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
  t.w.Selection = {1, 1000, 500};  // off the map
  t.Choose(17);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace gm
