// The automatic refit: men veterans first with the blend, each slot by the model-choice rule,
// cars and horses, what the formation gains its reserves lose, and nothing for a formation that
// has acted or may not draw where it stands.
#include "refit/refit_auto_fill.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "refit_world.hpp"

namespace gm {
namespace {

using namespace gm::testing;

constexpr std::uint16_t kNkvdRifles = 10;       // nation 5: 10000 men, 16 howitzers, 1000 horses
constexpr std::uint16_t kMotorisedRifles = 13;  // nation 5: 90 tanks
constexpr std::uint16_t kTank5 = 5, kTank17 = 17, kTank90 = 90;

// The page's check has run and allowed drawing here.
RefitWorld Allowed(std::uint16_t type) {
  RefitWorld t(type);
  t.w.Refit.RefitHereAllowed = 1;
  return t;
}

TEST(RefitAutoFillTest, MenFromTheEliteReserveThenTheConscripts) {
  struct Case {
    std::uint16_t men, experience, morale;
    std::int32_t veterans, recruits;
    std::uint16_t wantMen, wantExperience, wantMorale;
    std::int32_t veteransLeft, recruitsLeft;
  } cases[] = {
      {6000, 50, 70, 1000, 5000, 10000, 40, 78, 0, 2000},  // via 7000 men at 57 / 75
      {6000, 50, 70, 1000, 0, 7000, 57, 75, 0, 0},
      {6000, 50, 70, 4000, 500, 10000, 70, 84, 0, 500},  // veterans cover it exactly
      {6000, 50, 70, 0, 9000, 10000, 30, 76, 0, 5000},
      {0, 0, 0, 20000, 0, 10000, 100, 105, 10000, 0},
      {0, 0, 0, 0, 20000, 10000, 1, 85, 0, 10000},
      {6000, 50, 70, 100, 200, 6300, 48, 70, 0, 0},  // both pools short: both given whole
  };
  for (const Case& c : cases) {
    RefitWorld t = Allowed(kNkvdRifles);
    t.f->Men = c.men;
    t.f->Experience = c.experience;
    t.f->Morale = c.morale;
    t.pool(&TEconomy::VeteranPool) = c.veterans;
    t.pool(&TEconomy::RecruitPool) = c.recruits;
    RefitAutoFill(t.w);
    const std::string at = std::to_string(c.men) + " " + std::to_string(c.veterans);
    EXPECT_EQ(t.f->Men, c.wantMen) << at;
    EXPECT_EQ(t.f->Experience, c.wantExperience) << at;
    EXPECT_EQ(t.f->Morale, c.wantMorale) << at;
    EXPECT_EQ(t.pool(&TEconomy::VeteranPool), c.veteransLeft) << at;
    EXPECT_EQ(t.pool(&TEconomy::RecruitPool), c.recruitsLeft) << at;
    EXPECT_EQ(t.f->Ammo, 10) << at;
    EXPECT_EQ(t.f->OrdersLeft, 0) << at;
  }
}

TEST(RefitAutoFillTest, EmptySlotsTakeTheHighestModelInStockFirst) {
  // 90 tanks wanted; models 5, 17 and 90 in stock, 10 of each: slot 0 takes model 90, slot 1 the
  // next highest, slot 2 the last; slots 3..5 find nothing left.
  RefitWorld t = Allowed(kMotorisedRifles);
  for (std::uint16_t m : {kTank5, kTank17, kTank90}) t.stock(m) = 10;
  RefitAutoFill(t.w);
  const std::uint16_t want[6][2] = {{10, kTank90}, {10, kTank17}, {10, kTank5},
                                    {0, 0},        {0, 0},        {0, 0}};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(t.f->pairs[k].Count, want[k][0]) << k;
    EXPECT_EQ(t.f->pairs[k].Model, want[k][1]) << k;
  }
  for (std::uint16_t m : {kTank5, kTank17, kTank90}) EXPECT_EQ(t.stock(m), 0) << m;
}

TEST(RefitAutoFillTest, AStocklessModelKeepsItsSlotAndTheNextSlotTakesAnother) {
  RefitWorld t = Allowed(kMotorisedRifles);
  t.f->pairs[0] = {30, kTank5};
  t.stock(kTank17) = 100;
  RefitAutoFill(t.w);
  EXPECT_EQ(t.f->pairs[0].Count, 30);
  EXPECT_EQ(t.f->pairs[0].Model, kTank5);
  EXPECT_EQ(t.f->pairs[1].Count, 60);
  EXPECT_EQ(t.f->pairs[1].Model, kTank17);
  EXPECT_EQ(t.stock(kTank17), 40);
}

TEST(RefitAutoFillTest, PoolsGiveWhatTheyHoldAndCountsNeverWrap) {
  RefitWorld t = Allowed(kRifles);
  const std::uint16_t a = t.guns[0], b = t.guns[1];
  t.f->Cars = 0;
  t.pool(&TEconomy::CarPool) = 3;
  t.f->Horses = 1000;
  t.pool(&TEconomy::HorsePool) = 0;
  // An over-full field-gun group whose counts add past 16 bits stays as it is.
  t.f->pairs[14] = {65535, a};
  t.f->pairs[15] = {10, b};
  t.stock(a) = t.stock(b) = 1000;
  RefitAutoFill(t.w);
  EXPECT_EQ(t.f->Cars, 3);
  EXPECT_EQ(t.pool(&TEconomy::CarPool), 0);
  EXPECT_EQ(t.f->Horses, 1000);
  EXPECT_EQ(t.f->pairs[14].Count, 65535);
  EXPECT_EQ(t.f->pairs[15].Count, 10);
  EXPECT_EQ(t.stock(a), 1000);
  EXPECT_EQ(t.stock(b), 1000);
}

TEST(RefitAutoFillTest, NothingButAmmunitionWhereItMayNotDrawNothingAtAllAfterActing) {
  for (const bool acted : {false, true}) {
    RefitWorld t(kRifles);
    t.w.Refit.RefitHereAllowed = 0;
    t.f->Men = 100;
    t.f->Ammo = 2;
    t.pool(&TEconomy::RecruitPool) = 50000;
    t.stock(t.guns[0]) = 100;
    if (acted) t.f->OrdersLeft = 1;
    const TEconomy economy = t.w.Economy;
    RefitAutoFill(t.w);
    EXPECT_EQ(std::memcmp(&economy, &t.w.Economy, sizeof economy), 0) << acted;
    EXPECT_EQ(t.f->Men, 100) << acted;
    EXPECT_EQ(t.f->Ammo, acted ? 2 : 10) << acted;
    EXPECT_EQ(t.f->OrdersLeft, acted ? 1 : 0) << acted;
  }
}

}  // namespace
}  // namespace gm
