// Re-equipment of a staying computer formation: men by the blend, equipment slot by slot, cars
// and horses, and the three-quarter rule.
#include "ai/auto_refit.hpp"

#include <gtest/gtest.h>

#include "ai_world.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::AiWorld;

constexpr int kX = 100;
constexpr int kY = 100;
constexpr std::uint16_t kTankBrigade = 4;  // nation 5: 1100 men, 53 tanks, 100 cars
constexpr std::uint16_t kRifles = 7;       // nation 5: 673 cars, 3039 horses

struct Stay {
  AiWorld t;
  TFormation* f = nullptr;
  explicit Stay(std::uint16_t type, bool refit = true) {
    f = &Formation(t.w(), t.Place(kX, kY, type));
    f->Ammo = 3;
    t.w().Selection = {1, kX, kY};
    t.w().Ai.AiRefitAllowed = refit ? 1 : 0;
  }
  TEconomy& e() { return t.w().Economy; }
  std::int32_t& Pool(std::array<std::int32_t, 10>& p) { return p[NationIndex(5)]; }
};

TEST(AutoRefitTest, MenBlendAsInTheRulebook) {
  TFormation f{};
  f.Men = 400;
  f.Experience = 50;
  f.Morale = 80;
  BlendMen(f, 250, 100, 105);
  EXPECT_EQ(f.Men, 650);
  EXPECT_EQ(f.Experience, 69);
  EXPECT_EQ(f.Morale, 89);
  BlendMen(f, 350, 1, 85);
  EXPECT_EQ(f.Men, 1000);
  EXPECT_EQ(f.Experience, 45);
  EXPECT_EQ(f.Morale, 87);
  TFormation empty{};  // an empty formation takes the newcomers' quality, at least 1
  BlendMen(empty, 10, 0, 0);
  EXPECT_EQ(empty.Experience, 1);
  EXPECT_EQ(empty.Morale, 1);
}

TEST(AutoRefitTest, VeteransFirstThenConscripts) {
  Stay s(kTankBrigade);
  s.f->Men = 500;
  s.f->Experience = 50;
  s.f->Morale = 80;
  s.Pool(s.e().VeteranPool) = 250;
  s.Pool(s.e().RecruitPool) = 5000;
  AiAutoRefit(s.t.w());
  EXPECT_EQ(s.f->Men, 1100);
  EXPECT_EQ(s.Pool(s.e().VeteranPool), 0);
  EXPECT_EQ(s.Pool(s.e().RecruitPool), 5000 - 350);
  EXPECT_EQ(s.f->Experience, (750 * ((500 * 50 + 250 * 100) / 750) + 350 * 1) / 1100);
  EXPECT_EQ(s.f->Ammo, 10);
  EXPECT_EQ(s.f->OrdersLeft, 0);
}

TEST(AutoRefitTest, PoolsAreUnsignedCounts) {
  // Tank brigade: 1100 men, 100 cars. A pool beyond 2^31 covers any need, as the economy that
  // fills it counts it.
  constexpr std::int32_t kBig = static_cast<std::int32_t>(0x8000'0000u);
  constexpr auto bigLess = [](std::uint32_t n) {
    return static_cast<std::int32_t>(0x8000'0000u - n);
  };
  struct Case {
    const char* name;
    std::int32_t veterans, recruits, cars;
    int men, carsAfter;
    std::int32_t veteransLeft, recruitsLeft, carsLeft;
  };
  const Case cases[] = {
      {"plain pools", 100, 1000, 30, 1100, 80, 0, 500, 0},
      {"huge elite reserve", kBig, 0, 0, 1100, 50, bigLess(600), 0, 0},
      {"huge conscript pool", 0, kBig, 0, 1100, 50, 0, bigLess(600), 0},
      {"huge car pool", 0, 1000, kBig, 1100, 100, 0, 400, bigLess(50)},
      {"empty pools", 0, 0, 0, 500, 50, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Stay s(kTankBrigade);
    s.f->Men = 500;
    s.f->Cars = 50;
    s.Pool(s.e().VeteranPool) = c.veterans;
    s.Pool(s.e().RecruitPool) = c.recruits;
    s.Pool(s.e().CarPool) = c.cars;
    AiAutoRefit(s.t.w());
    EXPECT_EQ(s.f->Men, c.men);
    EXPECT_EQ(s.f->Cars, c.carsAfter);
    EXPECT_EQ(s.Pool(s.e().VeteranPool), c.veteransLeft);
    EXPECT_EQ(s.Pool(s.e().RecruitPool), c.recruitsLeft);
    EXPECT_EQ(s.Pool(s.e().CarPool), c.carsLeft);
  }
}

TEST(AutoRefitTest, NoEquipmentAtOrBelowThreeQuartersOfTheMen) {
  for (const int extra : {0, 1}) {
    Stay s(kTankBrigade);
    s.f->Men = static_cast<std::uint16_t>(1100 / 4 * 3 + extra);  // 825 and 826
    s.Pool(s.e().CarPool) = 1000;
    AiAutoRefit(s.t.w());
    EXPECT_EQ(s.f->Cars, extra == 0 ? 0 : 100) << extra;
  }
}

TEST(AutoRefitTest, TanksSlotBySlot) {
  // The two lowest-numbered tank models; no other tank model in stock.
  int low = 0, high = 0;
  for (int m = 1; m <= kEquipmentModelRows && high == 0; ++m) {
    if (EquipmentModels[m].Category != 1) continue;
    (low == 0 ? low : high) = m;
  }
  ASSERT_NE(high, 0);
  Stay s(kTankBrigade);
  s.f->pairs[0] = {10, static_cast<std::uint16_t>(low)};
  EquipmentStockOf(s.e(), 5, low) = 5;
  EquipmentStockOf(s.e(), 5, high) = 100;
  AiAutoRefit(s.t.w());
  EXPECT_EQ(s.f->pairs[0].Count, 15);
  EXPECT_EQ(EquipmentStockOf(s.e(), 5, low), 0);
  EXPECT_EQ(s.f->pairs[1].Count, 53 - 15);
  EXPECT_EQ(s.f->pairs[1].Model, high);
  EXPECT_EQ(EquipmentStockOf(s.e(), 5, high), 100 - 38);
  for (int k = 2; k <= 5; ++k) EXPECT_EQ(s.f->pairs[k].Count, 0) << k;
}

TEST(AutoRefitTest, AHeldModelWithoutStockTakesNothingAndTheNextPairMayTakeAnother) {
  int low = 0, high = 0;
  for (int m = 1; m <= kEquipmentModelRows && high == 0; ++m) {
    if (EquipmentModels[m].Category != 1) continue;
    (low == 0 ? low : high) = m;
  }
  Stay s(kTankBrigade);
  s.f->pairs[0] = {10, static_cast<std::uint16_t>(low)};
  EquipmentStockOf(s.e(), 5, high) = 7;
  AiAutoRefit(s.t.w());
  EXPECT_EQ(s.f->pairs[0].Count, 10);
  EXPECT_EQ(s.f->pairs[1].Count, 7);
  EXPECT_EQ(s.f->pairs[1].Model, high);
}

TEST(AutoRefitTest, AirborneFormationsTakeOnlyAirTransportableModels) {
  int type = 0;
  for (int t = 1; t <= kFormationTypeRows && type == 0; ++t) {
    const TFormationType& ft = FormationTypes[t];
    if (ft.Nation == 5 && ft.Branch == 1 && ft.Kind == 6 && ft.Mortars > 0) type = t;
  }
  if (type == 0) GTEST_SKIP() << "no Soviet airborne type with mortars";
  int heavy = 0, light = 0;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    if (EquipmentModels[m].Category != 6) continue;
    (EquipmentModels[m].AirTransportable == 1 ? light : heavy) = m;
  }
  ASSERT_NE(heavy, 0);
  Stay s(static_cast<std::uint16_t>(type));
  s.f->Men = FormationTypes[type].Men;
  EquipmentStockOf(s.e(), 5, heavy) = 1000;
  AiAutoRefit(s.t.w());
  for (int k = 21; k <= 24; ++k) EXPECT_EQ(s.f->pairs[k].Count, 0);
  if (light != 0) {
    Stay again(static_cast<std::uint16_t>(type));
    again.f->Men = FormationTypes[type].Men;
    EquipmentStockOf(again.e(), 5, heavy) = 1000;
    EquipmentStockOf(again.e(), 5, light) = 1000;
    AiAutoRefit(again.t.w());
    EXPECT_EQ(again.f->pairs[21].Model, light);
  }
}

TEST(AutoRefitTest, CarsAndHorsesFromTheirPools) {
  Stay s(kRifles);
  s.f->Men = FormationTypes[kRifles].Men;
  s.f->Cars = static_cast<std::uint16_t>(FormationTypes[kRifles].Cars - 50);
  s.f->Horses = static_cast<std::uint16_t>(FormationTypes[kRifles].Horses - 40);
  s.Pool(s.e().CarPool) = 0;
  s.Pool(s.e().HorsePool) = 300;
  AiAutoRefit(s.t.w());
  EXPECT_EQ(s.f->Cars, FormationTypes[kRifles].Cars - 50);
  EXPECT_EQ(s.f->Horses, FormationTypes[kRifles].Horses);
  EXPECT_EQ(s.Pool(s.e().HorsePool), 260);
}

TEST(AutoRefitTest, WithoutPermissionOrWithOneOrderLeft) {
  {
    Stay s(kTankBrigade, false);
    s.f->Men = 500;
    s.Pool(s.e().VeteranPool) = 1000;
    AiAutoRefit(s.t.w());
    EXPECT_EQ(s.f->Men, 500);
    EXPECT_EQ(s.f->Ammo, 10);
    EXPECT_EQ(s.f->OrdersLeft, 0);
  }
  {
    Stay s(kTankBrigade);
    s.f->OrdersLeft = 1;
    s.f->Men = 500;
    s.Pool(s.e().VeteranPool) = 1000;
    AiAutoRefit(s.t.w());
    EXPECT_EQ(s.f->Men, 500);
    EXPECT_EQ(s.f->Ammo, 3);
    EXPECT_EQ(s.f->OrdersLeft, 1);
  }
}

}  // namespace
}  // namespace gm
