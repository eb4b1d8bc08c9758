// The unit staff page's equipment fields: the group's need and the model's stock less the other
// fields' bookings as limits of the steps, and the one-model rules of a field and of a slot.
#include <gtest/gtest.h>

#include <tuple>

#include "refit_world.hpp"

namespace gm {
namespace {

using namespace gm::testing;

// Pair 14 holds `held` of model A; the second field-gun field has booked 3 of A; 34 needed.
TEST(RefitEquipmentTest, StepsLimitedByGroupNeedAndByStockLessOtherBookings) {
  struct Case {
    std::uint16_t held, stock;
    Steps live;
    std::int32_t message;
  } cases[] = {
      {5, 9, {1, 1, 0, 0, 0}, kRenewAvailable},        {5, 1000, {1, 1, 1, 0, 0}, kRenewAvailable},
      {30, 1000, {1, 0, 0, 0, 0}, kRenewAvailable},    {31, 1000, {0, 0, 0, 0, 0}, kRenewStaffFull},
      {5, 3, {0, 0, 0, 0, 0}, kRenewReserveExhausted},
  };
  for (const Case& c : cases) {
    RefitWorld t;
    const std::uint16_t a = t.guns[0];
    t.f->pairs[14] = {c.held, a};
    t.stock(a) = c.stock;
    t.Open();
    t.page().Choice(kFieldGunField + 1) = a;
    t.page().Pending(kFieldGunField + 1) = 3;
    t.Choose(kFieldGunField);
    EXPECT_EQ(t.page().ListCount, t.guns.size());
    t.CursorOnModel(a);
    EXPECT_EQ(t.live(), c.live) << c.held << " " << c.stock;
    EXPECT_EQ(t.message(), c.message) << c.held << " " << c.stock;
  }
}

TEST(RefitEquipmentTest, ASlotKeepsItsModelAndAFieldItsFirstChoice) {
  RefitWorld t;
  const std::uint16_t a = t.guns[0], b = t.guns[1], c = t.guns[2];
  for (std::uint16_t m : {a, b, c}) t.stock(m) = 100;
  t.f->pairs[15] = {2, b};
  t.Open();
  t.Choose(kFieldGunField + 1);  // pair 15 holds B: only B is live
  for (int i = 1; i <= t.page().ListCount; ++i) {
    EXPECT_EQ(t.page().Enabled(i), t.page().Candidate(i) == b ? 1 : 0);
  }
  t.Choose(kFieldGunField);  // empty pair 14: the first booking fixes the model
  t.CursorOnModel(a);
  BookRefitStep(t.w, 2);
  EXPECT_EQ(t.page().Choice(kFieldGunField), a);
  t.CursorOnModel(c);
  EXPECT_EQ(t.message(), kRenewOtherModelBooked);
  EXPECT_EQ(t.live(), (Steps{0, 0, 0, 0, 0}));
  t.CursorOnModel(a);
  EXPECT_EQ(t.live(), (Steps{1, 1, 1, 0, 0}));  // 2 held + 5 booked of 34
}

TEST(RefitEquipmentTest, AirborneTakesOnlyAirTransportableModels) {
  std::uint16_t airborne = 0;
  for (int ty = kFormationTypeRows; ty >= 1; --ty) {
    const std::uint16_t kind = FormationTypes[ty].Kind, nation = FormationTypes[ty].Nation;
    const std::uint16_t guns = FormationTypes[ty].FieldGuns;
    if (kind == 6 && nation == kSovietNation && guns > 0) airborne = static_cast<std::uint16_t>(ty);
  }
  std::uint16_t heavy = 0;
  for (std::uint16_t m : ModelsOf(4)) {
    const std::uint16_t air = EquipmentModels[m].AirTransportable;
    if (air == 0 && heavy == 0) heavy = m;
  }
  ASSERT_TRUE(airborne != 0 && heavy != 0);
  // Enough men: message 11, over the orders' too; too few: the men's message stands.
  const int all = FormationTypes[airborne].Men;
  for (auto [men, orders, message] : {std::tuple{all, 2, 11}, {all, 1, 11}, {100, 2, 10}}) {
    RefitWorld t(airborne);
    t.f->Men = static_cast<std::uint16_t>(men);
    t.f->OrdersLeft = static_cast<std::uint16_t>(orders);
    t.stock(heavy) = 100;
    t.Open();
    t.Choose(kFieldGunField);
    t.CursorOnModel(heavy);
    EXPECT_EQ(t.message(), message);
    EXPECT_EQ(t.live(), (Steps{0, 0, 0, 0, 0}));
  }
}

TEST(RefitEquipmentTest, ACursorPastTheListHasNothingToBook) {
  RefitWorld t;
  for (std::uint16_t m : t.guns) t.stock(m) = 100;
  t.Open();
  t.Choose(kFieldGunField);
  for (std::uint16_t top : {t.page().ListCount, std::uint16_t{790}}) {
    t.page().ListTop = top;
    t.Cursor(20);
    EXPECT_EQ(t.live(), (Steps{0, 0, 0, 0, 0})) << top;
    EXPECT_EQ(t.message(), kRenewReserveExhausted) << top;
  }
}

// Where several reasons hold, the status line names the strongest; each case is one step down
// that order. A blocked ring is never a contact: an impassable neighbour closes nothing.
TEST(RefitEquipmentTest, TheStrongestReasonIsTheMessage) {
  constexpr unsigned kOneOrder = 1, kFewMen = 2, kNoTown = 4, kNoStock = 8, kBookedHere = 16,
                     kBookedOther = 32, kFull = 64, kEnemy = 128, kRock = 256;
  const struct {
    unsigned reasons;
    std::int32_t message;
  } cases[] = {
      {kOneOrder, kRenewNeedsBothOrders},
      {kFewMen | kNoTown, kRenewCityOnly},
      {kNoTown | kNoStock, kRenewReserveExhausted},
      {kNoTown | kBookedHere, kRenewAvailable},
      {kNoStock | kBookedOther, kRenewOtherModelBooked},
      {kBookedOther | kFull, kRenewStaffFull},
      {kFull | kEnemy, kRenewEnemyContact},
      {kFull | kRock, kRenewBlocked},
  };
  for (const auto& c : cases) {
    RefitWorld t;
    const std::uint16_t m = t.guns[0], other = t.guns[1];
    t.stock(m) = t.stock(other) = 100;
    t.Open();
    const unsigned r = c.reasons;
    if (r & kOneOrder) t.f->OrdersLeft = 1;
    if (r & kFewMen) t.f->Men = 100;
    if (r & kNoTown) Settlement(t.w, 1).Value = 0;
    if (r & kNoStock) t.stock(m) = 0;
    if (r & (kBookedHere | kBookedOther)) {
      t.page().Choice(kFieldGunField) = r & kBookedHere ? m : other;
      t.page().Pending(kFieldGunField) = 1;
    }
    if (r & kFull) t.f->pairs[15] = {34, m};
    if (r & kEnemy) t.Put(1, 1, 9, EnemyArmyType());
    for (int i = 0; (r & kRock) != 0 && i < 9; ++i) {
      if (i != 4) Cell(t.w, kX + i % 3 - 1, kY + i / 3 - 1).Terrain = TileWithCost(true);
    }
    t.Choose(kFieldGunField);
    t.CursorOnModel(m);
    EXPECT_EQ(t.message(), c.message) << c.reasons;
  }
}

}  // namespace
}  // namespace gm
