// Apply on the unit staff page: what the formation gains its nation's reserve loses, the men
// blend by pool, and nothing is made from nothing when a booking no longer holds.
#include "refit/apply_refit.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "refit_world.hpp"

namespace gm {
namespace {

using namespace gm::testing;

// Formation plus reserve, per resource: Apply may only move between the two.
struct Totals {
  std::int64_t men, cars, horses, gunsA, gunsB;
  bool operator==(const Totals&) const = default;
};

Totals Count(RefitWorld& t, std::uint16_t a, std::uint16_t b) {
  Totals s{};
  s.men = t.f->Men + std::int64_t{t.Pool(&TEconomy::VeteranPool)} + t.Pool(&TEconomy::RecruitPool);
  s.cars = t.f->Cars + std::int64_t{t.Pool(&TEconomy::CarPool)};
  s.horses = t.f->Horses + std::int64_t{t.Pool(&TEconomy::HorsePool)};
  for (const TEquipmentPair& p : t.f->pairs) {
    if (p.Model == a) s.gunsA += p.Count;
    if (p.Model == b) s.gunsB += p.Count;
  }
  s.gunsA += t.Stock(a);
  s.gunsB += t.Stock(b);
  return s;
}

TEST(ApplyRefitTest, BookingsMoveFromTheReservesIntoTheFormation) {
  RefitWorld t;
  const auto guns = ModelsOf(4);
  const std::uint16_t a = guns[0], b = guns[1];
  t.f->Men = 12000;
  t.f->Ammo = 2;
  t.f->pairs[15] = {4, b};
  t.Pool(&TEconomy::VeteranPool) = 300;
  t.Pool(&TEconomy::RecruitPool) = 7000;
  t.Pool(&TEconomy::CarPool) = 40;
  t.Pool(&TEconomy::HorsePool) = 2000;
  t.Stock(a) = 30;
  t.Stock(b) = 8;
  const Totals before = Count(t, a, b);

  t.Open();
  BookRefitStep(t.w, 2);  // ammo +5
  t.Choose(kMenField, 2);
  BookRefitStep(t.w, 5);  // 1000 conscripts
  t.Choose(kCarsField);
  BookRefitStep(t.w, 3);  // 10 cars
  t.Choose(kHorsesField);
  BookRefitStep(t.w, 4);  // 100 horses
  t.Choose(17);           // empty pair 14 takes A
  t.CursorOnModel(a);
  BookRefitStep(t.w, 3);
  BookRefitStep(t.w, 2);
  t.Choose(18);  // pair 15 refills its B
  t.CursorOnModel(b);
  BookRefitStep(t.w, 2);
  t.Choose(19);  // pair 16 takes A as well: both bookings draw on A's stock
  t.CursorOnModel(a);
  BookRefitStep(t.w, 3);
  ASSERT_EQ(t.page().PendingTotal, 5 + 1000 + 10 + 100 + 15 + 5 + 10);

  ApplyRefit(t.w);
  EXPECT_EQ(Count(t, a, b), before);
  EXPECT_EQ(t.f->Ammo, 7);
  EXPECT_EQ(t.f->Men, 13000);
  EXPECT_EQ(t.Pool(&TEconomy::RecruitPool), 6000);
  EXPECT_EQ(t.Pool(&TEconomy::VeteranPool), 300);
  EXPECT_EQ(t.f->Cars, 10);
  EXPECT_EQ(t.f->Horses, 100);
  EXPECT_EQ(t.f->pairs[14].Count, 15);
  EXPECT_EQ(t.f->pairs[14].Model, a);
  EXPECT_EQ(t.f->pairs[15].Count, 9);
  EXPECT_EQ(t.f->pairs[16].Count, 10);
  EXPECT_EQ(t.f->pairs[16].Model, a);
  EXPECT_EQ(t.Stock(a), 5);
  EXPECT_EQ(t.Stock(b), 3);
  EXPECT_EQ(t.f->OrdersLeft, 0);
}

TEST(ApplyRefitTest, MenBlendByThePoolTheyComeFrom) {
  struct Case {
    std::uint16_t men, experience, morale;
    std::uint16_t row;
    std::uint16_t wantExperience, wantMorale;
  } cases[] = {
      {1000, 50, 60, kVeteranRow, 66, 75}, {1000, 50, 60, kRecruitRow, 33, 68},
      {1000, 0, 60, kRecruitRow, 1, 68},   {0, 0, 0, kVeteranRow, 100, 105},
      {0, 0, 0, kRecruitRow, 1, 85},
  };
  for (const Case& c : cases) {
    RefitWorld t;
    t.f->Men = c.men;
    t.f->Experience = c.experience;
    t.f->Morale = c.morale;
    t.Pool(&TEconomy::VeteranPool) = 500;
    t.Pool(&TEconomy::RecruitPool) = 500;
    t.page().Pending(kMenField) = 500;
    t.page().Choice(kMenField) = c.row;
    ApplyRefit(t.w);
    EXPECT_EQ(t.f->Men, c.men + 500);
    EXPECT_EQ(t.f->Experience, c.wantExperience) << c.men << " " << c.row;
    EXPECT_EQ(t.f->Morale, c.wantMorale) << c.men << " " << c.row;
  }
}

// Bookings that no longer hold when Apply comes: short reserves, full 16-bit counts, no source.
TEST(ApplyRefitTest, NothingGrowsFromNothing) {
  struct Case {
    const char* name;
    std::function<void(RefitWorld&, std::uint16_t, std::uint16_t)> book;
  } cases[] = {
      {"men booked without a pool",
       [](RefitWorld& t, std::uint16_t, std::uint16_t) { t.page().Pending(kMenField) = 50; }},
      {"veterans short of the booking",
       [](RefitWorld& t, std::uint16_t, std::uint16_t) {
         t.Pool(&TEconomy::VeteranPool) = 30;
         t.page().Pending(kMenField) = 50;
         t.page().Choice(kMenField) = kVeteranRow;
       }},
      {"cars short and horses at the 16-bit ceiling",
       [](RefitWorld& t, std::uint16_t, std::uint16_t) {
         t.Pool(&TEconomy::CarPool) = 7;
         t.page().Pending(kCarsField) = 100;
         t.f->Horses = 65000;
         t.Pool(&TEconomy::HorsePool) = 5000;
         t.page().Pending(kHorsesField) = 1000;
       }},
      {"a slot near the 16-bit ceiling",
       [](RefitWorld& t, std::uint16_t a, std::uint16_t) {
         t.f->pairs[14] = {65000, a};
         t.Stock(a) = 2000;
         t.page().Pending(17) = 1000;
         t.page().Choice(17) = a;
       }},
      {"a slot holding another model keeps it",
       [](RefitWorld& t, std::uint16_t a, std::uint16_t b) {
         t.f->pairs[14] = {3, b};
         t.Stock(a) = 50;
         t.page().Pending(17) = 10;
         t.page().Choice(17) = a;
       }},
      {"equipment booked without a model or past its stock",
       [](RefitWorld& t, std::uint16_t a, std::uint16_t) {
         t.page().Pending(17) = 10;
         t.Stock(a) = 4;
         t.page().Pending(18) = 10;
         t.page().Choice(18) = a;
       }},
  };
  for (const Case& c : cases) {
    RefitWorld t;
    const auto guns = ModelsOf(4);
    c.book(t, guns[0], guns[1]);
    const Totals before = Count(t, guns[0], guns[1]);
    ApplyRefit(t.w);
    EXPECT_EQ(Count(t, guns[0], guns[1]), before) << c.name;
    for (std::int32_t pool : {t.Pool(&TEconomy::VeteranPool), t.Pool(&TEconomy::RecruitPool),
                              t.Pool(&TEconomy::CarPool), t.Pool(&TEconomy::HorsePool)}) {
      EXPECT_GE(pool, 0) << c.name;
    }
  }
}

}  // namespace
}  // namespace gm
