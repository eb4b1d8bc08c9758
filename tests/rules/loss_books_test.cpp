// The standard, retreat, surrender and air loss books.
#include "rules/loss_books.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "combat_fixture.hpp"
#include "world/record_ranges.hpp"

namespace gm {
namespace {

using namespace gm::testing;

constexpr int kD = kSoviet;  // the booked (defending) nation
constexpr int kA = kGerman;  // the capturing nation
constexpr std::uint16_t kModel = 50;

bool EconomyIsEmpty(const World& w) {
  static const TEconomy kEmpty{};
  return std::memcmp(&w.Economy, &kEmpty, sizeof(TEconomy)) == 0;
}

std::int32_t At(const TEconomy::NationTable& t, int nation) {
  return t[NationIndex(nation)];
}

struct Books {
  std::unique_ptr<World> w = std::make_unique<World>();
  TFormation before{};
  TFormation now{};
  TEconomy& e() { return w->Economy; }
  std::uint16_t Repair(int nation, int model = kModel) {
    return RepairQueueOf(w->Economy, nation, model);
  }
  std::uint16_t Stock(int nation, int model = kModel) {
    return EquipmentStockOf(w->Economy, nation, model);
  }
};

TEST(LossBooksTest, StandardBookEquipmentSplit) {
  struct Case {
    std::uint16_t loss;
    std::int32_t destroyed;
    std::uint16_t damaged;
  };
  for (const Case& c : {Case{3, 0, 3}, Case{4, 1, 3}, Case{7, 1, 6}, Case{8, 2, 6}}) {
    Books b;
    b.before.pairs[0] = {20, kModel};
    b.now.pairs[0] = {static_cast<std::uint16_t>(20 - c.loss), kModel};
    BookStandardLosses(*b.w, b.now, b.before, kD);
    EXPECT_EQ(At(b.e().EquipmentLosses[0], kD), c.destroyed) << c.loss;
    EXPECT_EQ(b.Repair(kD), c.damaged) << c.loss;
  }
}

TEST(LossBooksTest, StandardBookMenCarsHorses) {
  Books b;
  b.before.Men = 100;
  b.now.Men = 99;
  b.before.Cars = 50;
  b.now.Cars = 40;
  b.before.Horses = 30;
  b.now.Horses = 20;
  BookStandardLosses(*b.w, b.now, b.before, kD);
  EXPECT_EQ(At(b.e().WoundedPool, kD), 1);
  EXPECT_EQ(At(b.e().DeadMen, kD), 0);
  EXPECT_EQ(At(b.e().CarLosses, kD), 2);
  EXPECT_EQ(At(b.e().CarRepairPool, kD), 8);
  EXPECT_EQ(At(b.e().HorseLosses, kD), 10);
  EXPECT_EQ(At(b.e().HorsePool, kD), 0);

  b.now.Men = 92;  // a further 8: 2 dead, 6 wounded
  b.before.Men = 100;
  b.e() = TEconomy{};
  BookStandardLosses(*b.w, b.now, b.before, kD);
  EXPECT_EQ(At(b.e().DeadMen, kD), 2);
  EXPECT_EQ(At(b.e().WoundedPool, kD), 6);
}

TEST(LossBooksTest, EquipmentLossesBySlotGroup) {
  const int pairs[] = {0, 5, 8, 10, 11, 13, 14, 17, 18, 20, 21, 24, 25, 27, 28, 30};
  const int categories[] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8};
  for (int i = 0; i < 16; ++i) {
    Books b;
    b.before.pairs[pairs[i]] = {8, kModel};
    BookStandardLosses(*b.w, b.now, b.before, kD);
    for (int cat = 1; cat <= 8; ++cat) {
      EXPECT_EQ(At(b.e().EquipmentLosses[cat - 1], kD), cat == categories[i] ? 2 : 0)
          << "pair " << pairs[i];
    }
  }
  // The aircraft slots 6 and 7 are never booked.
  Books b;
  b.before.pairs[6] = {8, kModel};
  b.before.pairs[7] = {8, kModel};
  BookStandardLosses(*b.w, b.now, b.before, kD);
  EXPECT_TRUE(EconomyIsEmpty(*b.w));
}

TEST(LossBooksTest, SlotsOfOneModelAddUpAndSumsSaturate) {
  Books b;
  b.before.pairs[0] = {3, kModel};
  b.before.pairs[1] = {3, kModel};
  BookStandardLosses(*b.w, b.now, b.before, kD);
  EXPECT_EQ(b.Repair(kD), 6);

  RepairQueueOf(b.e(), kD, kModel) = 65533;
  BookStandardLosses(*b.w, b.now, b.before, kD);
  EXPECT_EQ(b.Repair(kD), 65535);

  b.before.pairs[0] = {40'000, kModel};
  b.before.pairs[1] = {40'000, kModel};
  BookRetreatLosses(*b.w, b.now, b.before, kD, kA);
  BookRetreatLosses(*b.w, b.now, b.before, kD, kA);
  EXPECT_EQ(b.Stock(kA), 65535);
}

TEST(LossBooksTest, RetreatBookMen) {
  struct Case {
    std::uint16_t loss;
    std::int32_t dead, wounded, prisoners;
  };
  for (const Case& c : {Case{2, 0, 2, 0}, Case{3, 1, 1, 1}, Case{10, 3, 3, 4}}) {
    Books b;
    b.before.Men = 500;
    b.now.Men = static_cast<std::uint16_t>(500 - c.loss);
    BookRetreatLosses(*b.w, b.now, b.before, kD, kA);
    EXPECT_EQ(At(b.e().DeadMen, kD), c.dead) << c.loss;
    EXPECT_EQ(At(b.e().WoundedPool, kD), c.wounded) << c.loss;
    EXPECT_EQ(At(b.e().SurrenderedMen, kD), c.prisoners) << c.loss;
  }
}

TEST(LossBooksTest, RetreatBookCapturesMaterial) {
  struct Case {
    std::uint16_t loss;
    std::uint16_t repair, stock;
  };
  for (const Case& c : {Case{3, 1, 2}, Case{10, 2, 6}}) {
    Books b;
    b.before.pairs[0] = {20, kModel};
    b.now.pairs[0] = {static_cast<std::uint16_t>(20 - c.loss), kModel};
    BookRetreatLosses(*b.w, b.now, b.before, kD, kA);
    EXPECT_EQ(At(b.e().EquipmentLosses[0], kD), c.loss);
    EXPECT_EQ(b.Repair(kA), c.repair);
    EXPECT_EQ(b.Stock(kA), c.stock);
    EXPECT_EQ(b.Repair(kD), 0);
    EXPECT_EQ(b.Stock(kD), 0);
  }
  Books b;
  b.before.Horses = 10;
  b.before.Cars = 10;
  BookRetreatLosses(*b.w, b.now, b.before, kD, kA);
  EXPECT_EQ(At(b.e().HorseLosses, kD), 10);
  EXPECT_EQ(At(b.e().HorsePool, kA), 8);
  EXPECT_EQ(At(b.e().CarLosses, kD), 10);
  EXPECT_EQ(At(b.e().CarRepairPool, kA), 2);
  EXPECT_EQ(At(b.e().CarPool, kA), 6);
}

TEST(LossBooksTest, SurrenderBooksTheWholeStrength) {
  Books b;
  b.before.Men = 300;
  b.before.pairs[18] = {10, kModel};
  b.before.Horses = 10;
  b.now = b.before;  // the record as it stands no longer matters
  BookSurrenderLosses(*b.w, b.before, kD, kA);
  EXPECT_EQ(At(b.e().DeadMen, kD), 75);
  EXPECT_EQ(At(b.e().SurrenderedMen, kD), 225);
  EXPECT_EQ(At(b.e().WoundedPool, kD), 0);
  EXPECT_EQ(At(b.e().EquipmentLosses[4], kD), 10);
  EXPECT_EQ(b.Repair(kA), 2);
  EXPECT_EQ(b.Stock(kA), 6);
  EXPECT_EQ(At(b.e().HorsePool, kA), 8);

  Books small;
  small.before.Men = 3;
  BookSurrenderLosses(*small.w, small.before, kD, kA);
  EXPECT_EQ(At(small.e().SurrenderedMen, kD), 3);
  EXPECT_EQ(At(small.e().DeadMen, kD), 0);
}

// A count at the limit a save must keep (a file made by hand) takes no more, or the game's own
// next save is refused.
TEST(LossBooksTest, CountsStopAtThePoolLimit) {
  struct Case {
    const char* count;
    TEconomy::NationTable TEconomy::*table;
    int nation;
    std::int32_t before, after;
  };
  const Case cases[] = {
      {"dead at the limit", &TEconomy::DeadMen, kD, kPoolLimit, kPoolLimit},
      {"wounded short of it", &TEconomy::WoundedPool, kD, kPoolLimit - 2, kPoolLimit},
      {"horse losses", &TEconomy::HorseLosses, kD, kPoolLimit, kPoolLimit},
      {"captured cars", &TEconomy::CarPool, kA, kPoolLimit, kPoolLimit},
      {"prisoners", &TEconomy::SurrenderedMen, kD, kPoolLimit - 1, kPoolLimit},
  };
  for (const Case& c : cases) {
    Books b;
    b.before.Men = 300;
    b.now.Men = 200;
    b.before.Horses = b.before.Cars = 100;
    (b.e().*c.table)[NationIndex(c.nation)] = c.before;
    BookRetreatLosses(*b.w, b.now, b.before, kD, kA);
    BookStandardLosses(*b.w, b.now, b.before, kD);
    EXPECT_EQ(At(b.e().*c.table, c.nation), c.after) << c.count;
  }
}

TEST(LossBooksTest, NoModelOrNoNationBooksNoPerModelEntry) {
  Books b;
  b.before.pairs[0] = {8, 0};  // a pair without a model
  BookStandardLosses(*b.w, b.now, b.before, kD);
  EXPECT_EQ(At(b.e().EquipmentLosses[0], kD), 2);

  // Nation 0 (an empty type row) and nations past the tables book nothing at all.
  Books none;
  none.before.Men = 100;
  none.before.Cars = 100;
  none.before.Horses = 100;
  none.before.pairs[0] = {8, kModel};
  for (int nation : {0, -3, 11, 99}) {
    BookStandardLosses(*none.w, none.now, none.before, nation);
    BookRetreatLosses(*none.w, none.now, none.before, nation, nation);
    BookSurrenderLosses(*none.w, none.before, nation, nation);
  }
  EXPECT_TRUE(EconomyIsEmpty(*none.w));

  // Nation 10 has per-nation rows but no per-model row.
  BookStandardLosses(*none.w, none.now, none.before, kNeutralNation);
  EXPECT_EQ(At(none.e().WoundedPool, kNeutralNation), 75);
  EXPECT_EQ(none.Repair(kNeutralNation), 0);
}

TEST(LossBooksTest, AirStrikeBooksAircraftByPairPosition) {
  auto w = MakeCombatWorld(0);
  const std::uint16_t bomberType = TypeOfKind(kGerman, 23);
  TFormation& striker = PlaceAir(*w, 1, 50, 50, bomberType);
  TFormation& target = PlaceGround(*w, 2, 50, 50, TypeOfKind(kSoviet, 5));
  SelectAndTarget(*w, 50, 50, 50, 50);
  striker.pairs[0] = {10, 7};
  striker.pairs[2] = {10, 9};
  striker.pairs[5] = {10, 9};
  target.Men = 100;
  w->SnapshotA = striker;
  w->SnapshotB = target;
  striker.pairs[0].Count = 9;  // 1 lost: repaired
  striker.pairs[2].Count = 8;  // 2 lost: 1 destroyed, 1 repaired
  striker.pairs[5].Count = 5;  // 5 lost: 2 destroyed, 3 repaired
  target.Men = 96;
  BookAirStrikeLosses(*w);
  const TEconomy& e = w->Economy;
  EXPECT_EQ(At(e.AircraftLosses[0], kGerman), 0);
  EXPECT_EQ(At(e.AircraftLosses[1], kGerman), 1);
  EXPECT_EQ(At(e.AircraftLosses[2], kGerman), 2);
  EXPECT_EQ(At(e.AircraftLosses[3], kGerman), 0);
  EXPECT_EQ(RepairQueueOf(w->Economy, kGerman, kAircraftModelBase + 7), 1);
  EXPECT_EQ(RepairQueueOf(w->Economy, kGerman, kAircraftModelBase + 9), 4);
  for (const auto& t : e.EquipmentLosses) EXPECT_EQ(At(t, kGerman), 0);
  EXPECT_EQ(At(e.DeadMen, kGerman), 0);
  // The ground target goes through the standard book.
  EXPECT_EQ(At(e.DeadMen, kSoviet), 1);
  EXPECT_EQ(At(e.WoundedPool, kSoviet), 3);
}

}  // namespace
}  // namespace gm
