// The unit staff page's ammunition, men, cars and horses: each step button at its limit by need
// and by reserve, and the message of the last failing test.
#include <gtest/gtest.h>

#include "refit_world.hpp"

namespace gm {
namespace {

using namespace gm::testing;

TEST(RefitSupplyTest, AmmoStepsStopAtTenAnywhere) {
  struct Case {
    std::uint16_t ammo, orders, town;
    Steps live;
    std::int32_t message;
  } cases[] = {
      {0, 2, 1, {1, 1, 1, 0, 0}, 1},  {4, 2, 0, {1, 1, 0, 0, 0}, 1}, {5, 2, 1, {1, 1, 0, 0, 0}, 1},
      {6, 2, 1, {1, 0, 0, 0, 0}, 1},  {9, 2, 1, {1, 0, 0, 0, 0}, 1}, {10, 2, 1, {0, 0, 0, 0, 0}, 5},
      {12, 2, 1, {0, 0, 0, 0, 0}, 5}, {4, 1, 1, {0, 0, 0, 0, 0}, 3},
  };
  for (const Case& c : cases) {
    RefitWorld t;
    t.f->Ammo = c.ammo;
    t.f->OrdersLeft = c.orders;
    Cell(t.w, kX, kY).Settlement = c.town;
    t.Open();
    EXPECT_EQ(t.live(), c.live) << "ammo " << c.ammo;
    EXPECT_EQ(t.message(), c.message) << "ammo " << c.ammo;
  }
}

TEST(RefitSupplyTest, MenStepsByNeedByPoolAndByCursor) {
  const std::uint16_t staff = FormationTypes[kRifles].Men;
  struct Case {
    std::uint16_t men;
    std::int32_t veterans, recruits;
    int row;
    Steps live;
    std::uint8_t e1, e2;
    std::int32_t message;
  } cases[] = {
      {1000, 50, 0, 1, {0, 0, 0, 0, 0}, 1, 0, 6},  // nothing booked: both pools must cover
      {1000, 0, 5000, 1, {0, 0, 0, 0, 0}, 0, 1, 6},
      {1000, 0, 5000, 2, {0, 0, 0, 0, 0}, 0, 1, 6},
      {1000, 50, 5000, 1, {1, 1, 1, 0, 0}, 1, 1, 1},
      {static_cast<std::uint16_t>(staff - 7), 99999, 99999, 1, {1, 1, 0, 0, 0}, 1, 1, 1},
      {static_cast<std::uint16_t>(staff - 1000), 99999, 99999, 2, {1, 1, 1, 1, 1}, 1, 1, 1},
      {staff, 99999, 99999, 1, {0, 0, 0, 0, 0}, 0, 0, 5},
      {1000, -1, -1, 1, {1, 1, 1, 1, 1}, 1, 1, 1},  // the pools are unsigned counts
  };
  for (const Case& c : cases) {
    RefitWorld t;
    t.f->Men = c.men;
    t.pool(&TEconomy::VeteranPool) = c.veterans;
    t.pool(&TEconomy::RecruitPool) = c.recruits;
    t.Open();
    t.Choose(kMenField, c.row);
    EXPECT_EQ(t.live(), c.live) << c.men << " " << c.veterans << " " << c.row;
    EXPECT_EQ(t.page().Enabled(1), c.e1) << c.men << " " << c.veterans << " " << c.row;
    EXPECT_EQ(t.page().Enabled(2), c.e2) << c.men << " " << c.veterans << " " << c.row;
    EXPECT_EQ(t.message(), c.message) << c.men << " " << c.veterans << " " << c.row;
  }
}

TEST(RefitSupplyTest, MenBookedFromOnePoolUpToWhatItHolds) {
  RefitWorld t;
  t.f->Men = 1000;
  t.pool(&TEconomy::VeteranPool) = 120;
  t.pool(&TEconomy::RecruitPool) = 5000;
  t.Open();
  t.Choose(kMenField, 1);
  BookRefitStep(t.w, 4);  // +100 elite reserve
  EXPECT_EQ(t.page().Choice(kMenField), kVeteranRow);
  EXPECT_EQ(t.live(), (Steps{1, 1, 1, 0, 0}));
  EXPECT_EQ(t.page().Enabled(kRecruitRow), 0);
  t.Cursor(2);
  EXPECT_EQ(t.live(), (Steps{0, 0, 0, 0, 0}));
  EXPECT_EQ(t.message(), kRenewOtherModelBooked);
  t.Cursor(1);
  BookRefitStep(t.w, 3);
  BookRefitStep(t.w, 3);
  BookRefitStep(t.w, 1);  // dead by now: books nothing
  EXPECT_EQ(t.page().Pending(kMenField), 120);
  EXPECT_EQ(t.message(), kRenewReserveExhausted);
  t.page().Pending(kCarsField) = 65535;  // the total says "something booked", never wraps to 0
  UpdateRefitPanel(t.w, kRefitRefresh);
  EXPECT_EQ(t.page().PendingTotal, 65535);
}

TEST(RefitSupplyTest, CarsAndHorsesByNeedPoolMenAndTown) {
  const std::uint16_t staff = FormationTypes[kRifles].Men;
  const std::uint16_t quarters = static_cast<std::uint16_t>((3 * staff + 3) / 4);
  struct Case {
    int field, shortBy, men, pool, town;
    Steps live;
    std::int32_t message;
  } cases[] = {
      {kCarsField, 3, staff, 1000, 50, {1, 0, 0, 0, 0}, 1},
      {kCarsField, 0, staff, 1000, 50, {0, 0, 0, 0, 0}, 5},
      {kCarsField, 100, staff, 0, 50, {0, 0, 0, 0, 0}, 6},
      {kCarsField, 100, staff, 3, 50, {1, 0, 0, 0, 0}, 1},
      {kCarsField, 100, staff, 1000, 0, {0, 0, 0, 0, 0}, 8},
      {kHorsesField, 1000, quarters, 1000, 50, {1, 1, 1, 1, 1}, 1},
      {kHorsesField, 1000, quarters - 1, 1000, 50, {0, 0, 0, 0, 0}, 10},
      {kHorsesField, 1000, staff, 999, 50, {1, 1, 1, 1, 0}, 1},
  };
  for (const Case& c : cases) {
    RefitWorld t;
    const bool cars = c.field == kCarsField;
    const std::uint16_t full = cars ? FormationTypes[kRifles].Cars : FormationTypes[kRifles].Horses;
    (cars ? t.f->Cars : t.f->Horses) = static_cast<std::uint16_t>(full - c.shortBy);
    t.f->Men = static_cast<std::uint16_t>(c.men);
    t.pool(cars ? &TEconomy::CarPool : &TEconomy::HorsePool) = c.pool;
    Settlement(t.w, 1).Value = static_cast<std::uint16_t>(c.town);
    t.Open();
    t.Choose(c.field);
    EXPECT_EQ(t.live(), c.live) << c.field << " " << c.shortBy << " " << c.pool;
    EXPECT_EQ(t.message(), c.message) << c.field << " " << c.shortBy << " " << c.pool;
  }
}

}  // namespace
}  // namespace gm
