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

std::uint16_t GermanArmyType() {
  for (int t = 1; t <= kFormationTypeRows; ++t) {
    const std::uint16_t nation = FormationTypes[t].Nation, branch = FormationTypes[t].Branch;
    if (nation == 2 && branch == 1) return static_cast<std::uint16_t>(t);
  }
  return 0;
}

void Rock(RefitWorld& t, int from) {
  for (int i = from; i < 8; ++i)
    Cell(t.w, kX + kAround[i][0], kY + kAround[i][1]).Terrain = TileWithCost(true);
}
void Ring(RefitWorld& t, std::uint16_t type) {
  for (int i = 0; i < 8; ++i) t.Put(kAround[i][0], kAround[i][1], 10 + i, type);
}

TEST(RefitNeighbourRuleTest, ContactStopsMenAndEquipmentAClosedRingStopsAmmunition) {
  const std::uint16_t enemy = GermanArmyType();
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

TEST(RefitNeighbourRuleTest, NoGroundFormationUnderTheSelectionBooksNothing) {
  RefitWorld t;
  t.pool(&TEconomy::VeteranPool) = 1000;
  t.Open();
  for (std::array<std::uint16_t, 3> sel :
       {std::array<std::uint16_t, 3>{1, kX + 1, kY}, {1, 1000, 500}}) {
    t.w.Selection = sel;
    t.Choose(kMenField);
    EXPECT_EQ(t.live(), (Steps{0, 0, 0, 0, 0}));
  }
}

}  // namespace
}  // namespace gm
