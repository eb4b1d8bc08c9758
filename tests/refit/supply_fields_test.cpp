// The unit staff page's ammunition, men, cars and horses: each step button at its limit by need
// and by reserve, and the message of the last failing test.
#include <gtest/gtest.h>

#include "refit/renew_messages.hpp"
#include "refit_world.hpp"

namespace gm {
namespace {

using namespace gm::testing;

TEST(RefitSupplyTest, AmmoStepsStopAtTen) {
  struct Case {
    std::uint16_t ammo, orders;
    Steps live;
    std::int32_t message;
  } cases[] = {
      {0, 2, {1, 1, 1, 0, 0}, kRenewAvailable},  {4, 2, {1, 1, 0, 0, 0}, kRenewAvailable},
      {5, 2, {1, 1, 0, 0, 0}, kRenewAvailable},  {6, 2, {1, 0, 0, 0, 0}, kRenewAvailable},
      {9, 2, {1, 0, 0, 0, 0}, kRenewAvailable},  {10, 2, {0, 0, 0, 0, 0}, kRenewStaffFull},
      {12, 2, {0, 0, 0, 0, 0}, kRenewStaffFull}, {4, 1, {0, 0, 0, 0, 0}, kRenewNeedsBothOrders},
  };
  for (const Case& c : cases) {
    RefitWorld t;
    t.f->Ammo = c.ammo;
    t.f->OrdersLeft = c.orders;
    t.Open();
    EXPECT_EQ(t.StepsLive(), c.live) << "ammo " << c.ammo;
    EXPECT_EQ(t.Message(), c.message) << "ammo " << c.ammo;
  }
}

TEST(RefitSupplyTest, AmmoBookingsCountTowardsTheCeilingAndNeedNoTown) {
  RefitWorld t;
  t.f->Ammo = 4;
  Cell(t.w, kX, kY).Settlement = 0;
  t.Open();
  BookRefitStep(t.w, 2);  // +5: 9
  EXPECT_EQ(t.StepsLive(), (Steps{1, 0, 0, 0, 0}));
  BookRefitStep(t.w, 2);  // dead: nothing booked
  EXPECT_EQ(t.page().Pending(kAmmoField), 5);
  BookRefitStep(t.w, 1);
  EXPECT_EQ(t.page().Pending(kAmmoField), 6);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
  EXPECT_EQ(t.Message(), kRenewStaffFull);
  EXPECT_EQ(t.page().PendingTotal, 6);
}

TEST(RefitSupplyTest, MenStepsByNeedByPoolAndByCursor) {
  const std::uint16_t staff = FormationTypes[kRifles].Men;
  struct Case {
    const char* name;
    std::uint16_t men;
    std::int32_t veterans, recruits;
    int row;
    Steps live;
    std::uint8_t e1, e2;
    std::int32_t message;
  } cases[] = {
      {"conscripts gone, veterans cover small steps", 1000, 50, 0, 1, {1, 1, 1, 0, 0}, 1, 0, 6},
      {"veterans gone, cursor on them", 1000, 0, 5000, 1, {0, 0, 0, 0, 0}, 0, 1, 6},
      {"veterans gone, cursor on conscripts", 1000, 0, 5000, 2, {1, 1, 1, 1, 1}, 0, 1, 6},
      {"seven short",
       static_cast<std::uint16_t>(staff - 7),
       99999,
       99999,
       1,
       {1, 1, 0, 0, 0},
       1,
       1,
       1},
      {"1000 short exactly",
       static_cast<std::uint16_t>(staff - 1000),
       99999,
       99999,
       2,
       {1, 1, 1, 1, 1},
       1,
       1,
       1},
      {"full", staff, 99999, 99999, 1, {0, 0, 0, 0, 0}, 0, 0, 5},
      {"pools negative as signed words are large counts",
       1000,
       -1,
       -1,
       1,
       {1, 1, 1, 1, 1},
       1,
       1,
       1},
  };
  for (const Case& c : cases) {
    RefitWorld t;
    t.f->Men = c.men;
    t.Pool(&TEconomy::VeteranPool) = c.veterans;
    t.Pool(&TEconomy::RecruitPool) = c.recruits;
    t.Open();
    t.Choose(kMenField, c.row);
    EXPECT_EQ(t.StepsLive(), c.live) << c.name;
    EXPECT_EQ(t.page().Enabled(1), c.e1) << c.name;
    EXPECT_EQ(t.page().Enabled(2), c.e2) << c.name;
    EXPECT_EQ(t.Message(), c.message) << c.name;
  }
}

TEST(RefitSupplyTest, MenBookedFromOnePoolOnly) {
  RefitWorld t;
  t.Pool(&TEconomy::VeteranPool) = 120;
  t.Pool(&TEconomy::RecruitPool) = 5000;
  t.Open();
  t.Choose(kMenField, 1);
  BookRefitStep(t.w, 4);  // +100 elite reserve
  EXPECT_EQ(t.page().Choice(kMenField), kVeteranRow);
  EXPECT_EQ(t.StepsLive(), (Steps{1, 1, 1, 0, 0}));  // 100 + 10 <= 120 < 100 + 100
  EXPECT_EQ(t.page().Enabled(kRecruitRow), 0);
  t.Cursor(2);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
  EXPECT_EQ(t.Message(), kRenewOtherModelBooked);
  t.Cursor(1);
  BookRefitStep(t.w, 3);
  BookRefitStep(t.w, 3);
  EXPECT_EQ(t.page().Pending(kMenField), 120);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
  EXPECT_EQ(t.page().Enabled(kVeteranRow), 0);
  EXPECT_EQ(t.Message(), kRenewReserveExhausted);
}

TEST(RefitSupplyTest, CarsAndHorsesByNeedPoolMenAndTown) {
  const std::uint16_t cars = FormationTypes[kRifles].Cars;
  const std::uint16_t horses = FormationTypes[kRifles].Horses;
  const std::uint16_t staff = FormationTypes[kRifles].Men;
  const std::uint16_t threeQuarters = static_cast<std::uint16_t>((3 * staff + 3) / 4);
  struct Case {
    const char* name;
    int field;
    std::uint16_t held, men;
    std::int32_t pool;
    std::uint16_t townValue;
    Steps live;
    std::int32_t message;
  } cases[] = {
      {"three short",
       kCarsField,
       static_cast<std::uint16_t>(cars - 3),
       staff,
       1000,
       50,
       {1, 0, 0, 0, 0},
       1},
      {"full", kCarsField, cars, staff, 1000, 50, {0, 0, 0, 0, 0}, 5},
      {"empty pool", kCarsField, 0, staff, 0, 50, {0, 0, 0, 0, 0}, 6},
      {"pool of 3", kCarsField, 0, staff, 3, 50, {1, 0, 0, 0, 0}, 1},
      {"men just at three quarters", kCarsField, 0, threeQuarters, 1000, 50, {1, 1, 1, 1, 0}, 1},
      {"men one below",
       kCarsField,
       0,
       static_cast<std::uint16_t>(threeQuarters - 1),
       1000,
       50,
       {0, 0, 0, 0, 0},
       10},
      {"town of value 0", kCarsField, 0, staff, 1000, 0, {0, 0, 0, 0, 0}, 8},
      {"1000 short, pool 1000",
       kHorsesField,
       static_cast<std::uint16_t>(horses - 1000),
       staff,
       1000,
       50,
       {1, 1, 1, 1, 1},
       1},
      {"1000 short, pool 999",
       kHorsesField,
       static_cast<std::uint16_t>(horses - 1000),
       staff,
       999,
       50,
       {1, 1, 1, 1, 0},
       1},
  };
  for (const Case& c : cases) {
    RefitWorld t;
    (c.field == kCarsField ? t.f->Cars : t.f->Horses) = c.held;
    t.f->Men = c.men;
    t.Pool(c.field == kCarsField ? &TEconomy::CarPool : &TEconomy::HorsePool) = c.pool;
    Settlement(t.w, 1).Value = c.townValue;
    t.Open();
    t.Choose(c.field);
    EXPECT_EQ(t.StepsLive(), c.live) << c.name;
    EXPECT_EQ(t.Message(), c.message) << c.name;
  }
}

TEST(RefitSupplyTest, ThreeCarsInThePoolBookThreeTimesPlusOne) {
  RefitWorld t;
  t.f->Men = FormationTypes[kRifles].Men;
  t.Pool(&TEconomy::CarPool) = 3;
  t.Open();
  t.Choose(kCarsField);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(t.StepsLive(), (Steps{1, 0, 0, 0, 0}));
    BookRefitStep(t.w, 1);
  }
  EXPECT_EQ(t.page().Pending(kCarsField), 3);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
}

TEST(RefitSupplyTest, PendingTotalStopsAt65535InsteadOfWrapping) {
  RefitWorld t;
  t.Open();
  t.page().Pending(kMenField) = 60000;
  t.page().Pending(kCarsField) = 10000;
  UpdateRefitPanel(t.w, kRefitRefresh);
  EXPECT_EQ(t.page().PendingTotal, 65535);
}

}  // namespace
}  // namespace gm
