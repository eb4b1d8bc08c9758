// The reinforcement and equipment lists, held-equipment totals, the formation counters, and the
// start-up and new-formation record operations.
#include "world/formation_lists.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/support/world_builders.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using testing::MakeEmptyWorld;
using testing::PlaceFormation;
using testing::PlaceSettlement;

constexpr std::uint16_t kRifle41 = 7;        // nation 5, from April 1941
constexpr std::uint16_t kArtillery42 = 33;   // nation 5, from June 1942
constexpr std::uint16_t kSlovakMotor = 152;  // nation 7

int StatusOfType(const World& w, int type) {
  const auto& list = w.Lists.ReinforcementList;
  for (int i = 1; i <= list.ItemCount; ++i) {
    if (list.Entry(i) == type) return list.Status(i);
  }
  return -1;
}

// A world where every nation has a free town to raise in and men to spare.
std::unique_ptr<World> RaiseReadyWorld() {
  auto w = MakeEmptyWorld();
  for (int n = 1; n <= 8; ++n) {
    PlaceSettlement(*w, n, 10 + 3 * n, 100, n, n, 50);
    w->Economy.RecruitPool[NationIndex(n)] = 10'000;
  }
  return w;
}

TEST(RaiseListTest, HoldsTheGroundTypesOfTheSideOnMoveInTypeOrder) {
  for (std::uint8_t side : {kSovietSide, kGermanSide}) {
    auto w = RaiseReadyWorld();
    w->SideOnMove = side;
    BuildRaiseList(*w);
    const auto& list = w->Lists.ReinforcementList;
    std::vector<int> expected;
    for (int t = 1; t <= kFormationTypeRows; ++t) {
      const int n = FormationTypes[t].Nation;
      const bool soviet = n == 5 || n == 8;
      const bool german = n == 1 || n == 2 || n == 3 || n == 4 || n == 6 || n == 7;
      if (FormationTypes[t].Branch == 1 && (side == kSovietSide ? soviet : german)) {
        expected.push_back(t);
      }
    }
    ASSERT_EQ(list.ItemCount, expected.size());
    for (int i = 1; i <= list.ItemCount; ++i) EXPECT_EQ(list.Entry(i), expected[i - 1]);
    EXPECT_EQ(list.Entry(list.ItemCount + 1), 0);
    EXPECT_EQ(list.MinTopRow, 1);
    EXPECT_EQ(list.TopRow, 1);
    EXPECT_EQ(list.BottomRow, 20);
    EXPECT_EQ(list.CursorRow, 1);
    EXPECT_EQ(list.UpEnabled, 0);
    EXPECT_EQ(list.DownEnabled, 1);
  }
}

TEST(RaiseListTest, StatusesAndTheirOrder) {
  struct Case {
    const char* what;
    int day, month, year;
    int recruits, veterans;
    int slovakFormations;
    bool sovietTown;
    int type, status;
  };
  const Case cases[] = {
      {"available", 1, 6, 1942, 300, 0, 0, true, kArtillery42, kRaiseAvailable},
      {"a day early", 31, 5, 1942, 300, 0, 0, true, kArtillery42, kRaiseTooEarly},
      {"a year early", 15, 7, 1941, 300, 0, 0, true, kArtillery42, kRaiseTooEarly},
      {"299 and 299 men", 1, 7, 1942, 299, 299, 0, true, kRifle41, kRaiseNoMen},
      {"300 veterans", 1, 7, 1942, 299, 300, 0, true, kRifle41, kRaiseAvailable},
      {"a pool past 2^31 is a full pool", 1, 7, 1942, -5, 0, 0, true, kRifle41, kRaiseAvailable},
      {"no town", 1, 7, 1942, 300, 0, 0, false, kRifle41, kRaiseNoFreeTown},
      {"too early, no town: 5 wins", 1, 7, 1941, 300, 0, 0, false, kArtillery42, kRaiseNoFreeTown},
      {"no men, no town: 5 wins", 1, 7, 1942, 0, 0, 0, false, kRifle41, kRaiseNoFreeTown},
      {"9 Slovak formations", 1, 7, 1942, 300, 0, 9, true, kSlovakMotor, kRaiseAvailable},
      {"10 Slovak formations", 1, 7, 1942, 300, 0, 10, true, kSlovakMotor, kRaiseQuotaReached},
  };
  for (const Case& c : cases) {
    auto w = RaiseReadyWorld();
    w->GameHeader.Day = static_cast<std::uint16_t>(c.day);
    w->GameHeader.Month = static_cast<std::uint16_t>(c.month);
    w->GameHeader.Year = static_cast<std::uint16_t>(c.year);
    const int nation = FormationTypes[c.type].Nation;
    w->Economy.RecruitPool[NationIndex(nation)] = c.recruits;
    w->Economy.VeteranPool[NationIndex(nation)] = c.veterans;
    for (int i = 0; i < c.slovakFormations; ++i) {
      PlaceFormation(*w, 100 + i, 200 + 2 * i, 200, kSlovakMotor);
    }
    if (!c.sovietTown) Settlement(*w, 5).HolderNation = 2;  // nation 5 loses its only town
    w->SideOnMove = nation == 5 ? kSovietSide : kGermanSide;
    BuildRaiseList(*w);
    EXPECT_EQ(StatusOfType(*w, c.type), c.status) << c.what;
  }
}

TEST(RaiseListTest, QuotaCountsAllTheNationsTypes) {
  auto w = RaiseReadyWorld();
  w->SideOnMove = kGermanSide;
  for (int i = 0; i < 10; ++i) PlaceFormation(*w, 100 + i, 200 + 2 * i, 200, kSlovakMotor);
  BuildRaiseList(*w);
  const auto& list = w->Lists.ReinforcementList;
  int slovak = 0;
  for (int i = 1; i <= list.ItemCount; ++i) {
    if (FormationTypes[list.Entry(i)].Nation != 7) continue;
    ++slovak;
    EXPECT_EQ(list.Status(i), kRaiseQuotaReached) << list.Entry(i);
  }
  EXPECT_GT(slovak, 1);
  EXPECT_EQ(w->Lists.NationFormationCount[6], 10);
  EXPECT_EQ(GroundFormationCap(7), 10);
  EXPECT_EQ(GroundFormationCap(5), 750);
  EXPECT_EQ(GroundFormationCap(9), 0);
}

TEST(EquipmentListTest, ListsEveryGroundModelAndCountsHeldPieces) {
  auto w = MakeEmptyWorld();
  TFormation& army = PlaceFormation(*w, 1, 50, 50, kRifle41);
  army.pairs[0] = {3, 12};
  army.pairs[2] = {4, 12};  // the same model in two slots counts in both
  army.pairs[6] = {9, 5};   // pairs 6 and 7 of an army formation are not counted
  army.pairs[14] = {7, 301};
  army.pairs[15] = {5, 0};                              // a count without a model has nowhere to go
  TFormation& air = PlaceFormation(*w, 2, 50, 51, 51);  // Fighter air regiment 40, nation 5
  air.pairs[0] = {12, 5};
  air.pairs[7] = {2, 400};
  air.pairs[8] = {6, 1};  // beyond the aircraft pairs
  TFormation& german = PlaceFormation(*w, 3, 60, 50, 74);
  german.pairs[0] = {1, 12};
  Formation(*w, 4) = army;  // a free record is skipped whatever it holds
  Formation(*w, 4).Branch = 0;
  w->Lists.TypeCountInUnits.fill(99);

  BuildEquipmentList(*w);
  const ListState& l = w->Lists;
  EXPECT_EQ(l.TypeCount(5, 12), 7);
  EXPECT_EQ(l.TypeCount(5, 5), 0);
  EXPECT_EQ(l.TypeCount(5, 301), 7);
  EXPECT_EQ(l.TypeCount(5, 805), 12);  // aircraft row 5 is model number 805
  EXPECT_EQ(l.TypeCount(5, 1200), 2);
  EXPECT_EQ(l.TypeCount(5, 801), 0);
  EXPECT_EQ(l.TypeCount(2, 12), 1);
  std::int64_t total = 0;
  for (std::int32_t v : l.TypeCountInUnits) total += v;
  EXPECT_EQ(total, 7 + 7 + 12 + 2 + 1);

  const auto& list = l.EquipmentList;
  int used = 0;
  for (int m = 1; m <= kEquipmentModelRows; ++m) used += EquipmentModels[m].Category != 0;
  EXPECT_EQ(used, 363);
  ASSERT_EQ(list.ItemCount, used);
  int previous = 0;
  for (int i = 1; i <= list.ItemCount; ++i) {
    EXPECT_GT(list.Entry(i), previous);
    EXPECT_NE(int{EquipmentModels[list.Entry(i)].Category}, 0);
    EXPECT_EQ(list.Status(i), 1);
    previous = list.Entry(i);
  }
  EXPECT_EQ(list.Entry(list.ItemCount + 1), 0);
  EXPECT_EQ(list.Status(list.ItemCount + 1), 0);
  EXPECT_EQ(list.BottomRow, 16);
  EXPECT_EQ(list.TopRow, 1);
  EXPECT_EQ(list.DownEnabled, 1);
}

TEST(FormationCountersTest, CountByBranchAndNation) {
  auto w = MakeEmptyWorld();
  TFormation& a = PlaceFormation(*w, 1, 40, 40, kRifle41, 5000);
  a.Cars = 10;
  a.Horses = 20;
  TFormation& b = PlaceFormation(*w, 2, 41, 40, kArtillery42, 3000);
  b.Cars = 1;
  PlaceFormation(*w, 3, 42, 40, 51, 0);  // an air formation of nation 5
  TFormation& g = PlaceFormation(*w, 10'000, 43, 40, 74, 7000);
  g.Horses = 65535;
  TFormation& odd = PlaceFormation(*w, 5, 44, 40, kRifle41, 100);
  odd.FormationType = 250;  // a type past the table belongs to no nation
  w->Lists.NationMen.fill(-1);

  CountGroundFormations(*w);
  CountAirFormations(*w);
  SumFormationMen(*w);
  SumFormationCars(*w);
  SumFormationHorses(*w);
  const ListState& l = w->Lists;
  EXPECT_EQ(l.NationFormationCount[4], 2);
  EXPECT_EQ(l.NationFormationCount[1], 1);
  EXPECT_EQ(l.NationAirCount[4], 1);
  EXPECT_EQ(l.NationMen[4], 8000);
  EXPECT_EQ(l.NationMen[1], 7000);
  EXPECT_EQ(l.NationMen[0], 0);
  EXPECT_EQ(l.NationCars[4], 11);
  EXPECT_EQ(l.NationHorses[4], 20);
  EXPECT_EQ(l.NationHorses[1], 65535);
}

TEST(FormationRecordsTest, ReadyAllFormationsAndClearFormation) {
  auto w = MakeEmptyWorld();
  TFormation& a = PlaceFormation(*w, 1, 40, 40, kRifle41);
  a.OrdersLeft = 0;
  a.reserved87[0] = 7;
  a.FormationNumber = 12;
  Formation(*w, 2).Men = 300;  // a free record with words left in it
  PlaceFormation(*w, 10'000, 41, 40, 51).OrdersLeft = 1;

  ReadyAllFormations(*w);
  EXPECT_EQ(Formation(*w, 1).OrdersLeft, 2);
  EXPECT_EQ(Formation(*w, 2).OrdersLeft, 0);
  EXPECT_EQ(Formation(*w, 10'000).OrdersLeft, 2);

  w->FreeFormationIndex = 0;
  ClearFormation(*w);
  const TFormation& cleared = Formation(*w, 1);
  EXPECT_EQ(cleared.Branch, 0);
  EXPECT_EQ(cleared.Men, 0);
  EXPECT_EQ(cleared.OrdersLeft, 0);
  EXPECT_EQ(cleared.FormationNumber, 0);  // word 86 is the last one wiped
  EXPECT_EQ(cleared.reserved87[0], 7);    // words 87..99 stay
  EXPECT_EQ(Formation(*w, 10'000).Branch, 2);

  w->FreeFormationIndex = 10'000;  // no free record was found: nothing to clear
  const auto before = w->Formations;
  ClearFormation(*w);
  EXPECT_EQ(std::memcmp(&before, &w->Formations, sizeof before), 0);
}

}  // namespace
}  // namespace gm
