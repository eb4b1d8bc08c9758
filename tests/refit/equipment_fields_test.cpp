// The unit staff page's equipment fields: the candidate list, the group's need and the model's
// stock as limits of the steps, and the one-model rules of a field and of a slot.
#include <gtest/gtest.h>

#include "refit/renew_messages.hpp"
#include "refit_world.hpp"
#include "world/equipment_groups.hpp"

namespace gm {
namespace {

using namespace gm::testing;

constexpr int kFieldGunField = 17;  // first field-gun field, pair 14; the type needs 34
constexpr int kSecondFieldGunField = 18;
constexpr int kFieldGunCategory = 4;

struct GunWorld : RefitWorld {
  std::vector<std::uint16_t> guns = ModelsOf(kFieldGunCategory);
  GunWorld() { f->Men = FormationTypes[kRifles].Men; }
};

TEST(RefitEquipmentTest, ListsTheWholeCategoryInModelOrder) {
  GunWorld t;
  t.Open();
  t.Choose(kFieldGunField);
  ASSERT_EQ(t.page().ListCount, t.guns.size());
  for (std::size_t i = 0; i < t.guns.size(); ++i) EXPECT_EQ(t.page().Candidate(i + 1), t.guns[i]);
  EXPECT_EQ(t.page().ListBottom, 20);
  EXPECT_EQ(t.page().CanScrollDown, 1);
  // Nothing in stock: every entry dead, the reserve is exhausted.
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
  EXPECT_EQ(t.Message(), kRenewReserveExhausted);
}

// Pair 14 holds `held` of model A, the second field-gun field has booked 3 of A.
TEST(RefitEquipmentTest, StepsLimitedByGroupNeedAndByStockLessOtherBookings) {
  struct Case {
    const char* name;
    std::uint16_t held, stock;
    Steps live;
    std::int32_t message;
  } cases[] = {
      {"stock covers booked + 5", 5, 9, {1, 1, 0, 0, 0}, kRenewAvailable},
      {"need leaves room for 10", 5, 1000, {1, 1, 1, 0, 0}, kRenewAvailable},
      {"one below the need", 30, 1000, {1, 0, 0, 0, 0}, kRenewAvailable},
      {"group full with the bookings", 31, 1000, {0, 0, 0, 0, 0}, kRenewStaffFull},
      {"stock all booked elsewhere", 5, 3, {0, 0, 0, 0, 0}, kRenewReserveExhausted},
  };
  for (const Case& c : cases) {
    GunWorld t;
    const std::uint16_t a = t.guns[0];
    t.f->pairs[14] = {c.held, a};
    t.Stock(a) = c.stock;
    t.Open();
    t.page().Choice(kSecondFieldGunField) = a;
    t.page().Pending(kSecondFieldGunField) = 3;
    t.Choose(kFieldGunField);
    t.CursorOnModel(a);
    EXPECT_EQ(t.StepsLive(), c.live) << c.name;
    EXPECT_EQ(t.Message(), c.message) << c.name;
  }
}

TEST(RefitEquipmentTest, AGroupTheTypeDoesNotHaveIsFullFromTheStart) {
  GunWorld t;  // the rifle division has no self-propelled guns
  for (std::uint16_t m : ModelsOf(2)) t.Stock(m) = 100;
  t.Open();
  t.Choose(GroupOfField(11)->firstField);
  EXPECT_EQ(t.Message(), kRenewStaffFull);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
}

TEST(RefitEquipmentTest, ASlotIsRefilledWithItsOwnModelAndAFieldWithItsFirstChoice) {
  GunWorld t;
  const std::uint16_t a = t.guns[0], b = t.guns[1], c = t.guns[2];
  for (std::uint16_t m : {a, b, c}) t.Stock(m) = 100;
  t.f->pairs[15] = {2, b};
  t.Open();
  // The second field's slot holds B: only B can be had there.
  t.Choose(kSecondFieldGunField);
  t.CursorOnModel(c);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
  for (int i = 1; i <= t.page().ListCount; ++i) {
    EXPECT_EQ(t.page().Enabled(i), t.page().Candidate(i) == b ? 1 : 0);
  }
  // An empty slot: the first booking fixes the model; another model under the cursor is refused.
  t.Choose(kFieldGunField);
  t.CursorOnModel(a);
  BookRefitStep(t.w, 2);
  EXPECT_EQ(t.page().Choice(kFieldGunField), a);
  t.CursorOnModel(c);
  EXPECT_EQ(t.Message(), kRenewOtherModelBooked);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
  t.CursorOnModel(a);
  EXPECT_EQ(t.StepsLive(), (Steps{1, 1, 1, 0, 0}));  // 2 + 5 held or booked, 34 needed
  BookRefitStep(t.w, 3);
  EXPECT_EQ(t.page().Pending(kFieldGunField), 15);
}

TEST(RefitEquipmentTest, AirborneTakesOnlyAirTransportableModels) {
  std::uint16_t airborne = 0;
  for (int ty = 1; ty <= kFormationTypeRows && airborne == 0; ++ty) {
    const std::uint16_t kind = FormationTypes[ty].Kind, nation = FormationTypes[ty].Nation;
    const std::uint16_t guns = FormationTypes[ty].FieldGuns;
    if (kind == 6 && nation == kSovietNation && guns > 0) airborne = static_cast<std::uint16_t>(ty);
  }
  ASSERT_NE(airborne, 0);
  const auto heavy = ModelsOf(kFieldGunCategory, [](const TEquipmentModel& e) {
    const std::uint16_t air = e.AirTransportable;
    return air == 0;
  });
  ASSERT_FALSE(heavy.empty());
  struct Case {
    std::uint16_t men;
    std::int32_t message;
  } cases[] = {{FormationTypes[airborne].Men, kRenewNotAirTransportable}, {100, kRenewTooFewMen}};
  for (const Case& c : cases) {
    RefitWorld t(airborne);
    t.f->Men = c.men;
    t.Stock(heavy[0]) = 100;
    t.Open();
    t.Choose(kFieldGunField);
    t.CursorOnModel(heavy[0]);
    EXPECT_EQ(t.Message(), c.message);
    EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
  }
}

TEST(RefitEquipmentTest, ACursorPastTheListHasNothingToBook) {
  GunWorld t;
  for (std::uint16_t m : t.guns) t.Stock(m) = 100;
  t.Open();
  t.Choose(kFieldGunField);
  t.page().ListTop = t.page().ListCount;  // scrolled to the last entry
  t.Cursor(20);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
  EXPECT_EQ(t.Message(), kRenewReserveExhausted);
  t.page().ListTop = 790;  // even a view past the table reads no model
  t.Cursor(20);
  EXPECT_EQ(t.StepsLive(), (Steps{0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace gm
