// Apply on the unit staff page: what the formation gains its nation's reserve loses, the men
// blend by pool, and nothing is made from nothing when a booking no longer holds.
#include "refit/apply_refit.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "refit_world.hpp"

namespace gm {
namespace {

using namespace gm::testing;

// Formation plus reserve, per resource (men, cars, horses, guns A, guns B).
using Totals = std::array<std::int64_t, 5>;

Totals Count(RefitWorld& t) {
  const std::uint16_t a = t.guns[0], b = t.guns[1];
  Totals s{t.f->Men + std::int64_t{t.pool(&TEconomy::VeteranPool)} + t.pool(&TEconomy::RecruitPool),
           t.f->Cars + std::int64_t{t.pool(&TEconomy::CarPool)},
           t.f->Horses + std::int64_t{t.pool(&TEconomy::HorsePool)}, t.stock(a), t.stock(b)};
  for (const TEquipmentPair& p : t.f->pairs) {
    if (p.Model == a) s[3] += p.Count;
    if (p.Model == b) s[4] += p.Count;
  }
  return s;
}

TEST(ApplyRefitTest, BookingsMoveFromTheReservesIntoTheFormation) {
  RefitWorld t;
  const std::uint16_t a = t.guns[0], b = t.guns[1];
  t.f->Men = 12000;
  t.f->Ammo = 2;
  t.f->pairs[15] = {4, b};
  t.pool(&TEconomy::RecruitPool) = 7000;
  t.pool(&TEconomy::VeteranPool) = 1000;  // the first booking needs both pools to cover it
  t.pool(&TEconomy::CarPool) = 40;
  t.pool(&TEconomy::HorsePool) = 2000;
  t.stock(a) = 30;
  t.stock(b) = 8;
  const Totals before = Count(t);
  t.Open();
  BookRefitStep(t.w, 2);  // 5 ammunition
  t.Choose(kMenField, 2);
  BookRefitStep(t.w, 5);  // 1000 conscripts
  t.Choose(kCarsField);
  BookRefitStep(t.w, 3);
  t.Choose(kHorsesField);
  BookRefitStep(t.w, 4);
  for (auto [field, model, button] : {std::tuple{17, a, 3}, {17, a, 2}, {18, b, 2}, {19, a, 3}}) {
    if (t.page().SelectedField != field) t.Choose(field);
    t.CursorOnModel(model);
    BookRefitStep(t.w, button);
  }
  ASSERT_EQ(t.page().PendingTotal, 5 + 1000 + 10 + 100 + 15 + 5 + 10);

  ApplyRefit(t.w);
  EXPECT_EQ(Count(t), before);
  EXPECT_EQ(t.f->Ammo, 7);
  EXPECT_EQ(t.f->Men, 13000);
  EXPECT_EQ(t.pool(&TEconomy::RecruitPool), 6000);
  EXPECT_EQ(t.f->Cars, 10);
  EXPECT_EQ(t.f->Horses, 100);
  EXPECT_EQ(t.f->pairs[14].Count, 15);
  EXPECT_EQ(t.f->pairs[15].Count, 9);
  EXPECT_EQ(t.f->pairs[16].Count, 10);
  EXPECT_EQ(t.f->pairs[16].Model, a);
  EXPECT_EQ(t.stock(a), 5);
  EXPECT_EQ(t.f->OrdersLeft, 0);
}

TEST(ApplyRefitTest, MenBlendByThePoolTheyComeFrom) {
  struct Case {
    std::uint16_t men, experience, morale, row, wantExperience, wantMorale;
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
    t.pool(&TEconomy::VeteranPool) = t.pool(&TEconomy::RecruitPool) = 500;
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
  using Book = std::function<void(RefitWorld&, TRefitPage&)>;
  const Book cases[] = {
      [](RefitWorld&, TRefitPage& p) { p.Pending(kMenField) = 50; },  // no pool chosen
      [](RefitWorld& t, TRefitPage& p) {
        t.pool(&TEconomy::VeteranPool) = 30;
        p.Pending(kMenField) = 50;
        p.Choice(kMenField) = kVeteranRow;
      },
      [](RefitWorld& t, TRefitPage& p) {
        t.f->Men = 65500;
        t.pool(&TEconomy::RecruitPool) = 1000;
        p.Pending(kMenField) = 1000;
        p.Choice(kMenField) = kRecruitRow;
        t.pool(&TEconomy::CarPool) = 7;
        p.Pending(kCarsField) = 100;
        t.f->Horses = 65000;
        t.pool(&TEconomy::HorsePool) = 5000;
        p.Pending(kHorsesField) = 1000;
      },
      [](RefitWorld& t, TRefitPage& p) {
        t.f->pairs[14] = {65000, t.guns[0]};
        t.stock(t.guns[0]) = 2000;
        p.Pending(17) = 1000;
        p.Choice(17) = t.guns[0];
      },
      [](RefitWorld& t, TRefitPage& p) {  // another model in the slot, no model, short stock
        t.f->pairs[14] = {3, t.guns[1]};
        t.stock(t.guns[0]) = 4;
        p.Pending(17) = p.Pending(18) = p.Pending(19) = 10;
        p.Choice(17) = p.Choice(19) = t.guns[0];
      },
  };
  int i = 0;
  for (const Book& book : cases) {
    RefitWorld t;
    book(t, t.page());
    const Totals before = Count(t);
    ApplyRefit(t.w);
    EXPECT_EQ(Count(t), before) << "case " << i++;
    for (Pool p : {&TEconomy::VeteranPool, &TEconomy::RecruitPool, &TEconomy::CarPool,
                   &TEconomy::HorsePool}) {
      EXPECT_GE(t.pool(p), 0) << "case " << i;
    }
  }
}

}  // namespace
}  // namespace gm
