// The daily economy: settlement growth, production against the stock cap, repair quota, ramps,
// introductions, the production cut, wounded, horses and conscripts; a year on the real scenario.
#include "world/daily_economy.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "synthetic_world.hpp"
#include "tests/support/world_builders.hpp"
#include "world/calendar.hpp"
#include "world/economy_totals.hpp"
#include "world/production_cut.hpp"
#include "world/production_status.hpp"
#include "world/record_ranges.hpp"
#include "world/tables/tables.hpp"
#include "world/world_file.hpp"

namespace gm {
namespace {

using testing::GiveStableHeldValue;
using testing::MakeEmptyWorld;

constexpr int kGermany = 2;

// First ground model of a category with a cost above 0.
int ModelOfCategory(int category, int after = 0) {
  for (int m = after + 1; m <= kEquipmentModelRows; ++m) {
    if (EquipmentModels[m].Category == category && EquipmentModels[m].Cost > 0) return m;
  }
  return 0;
}

TEST(DailyEconomyTest, ProductionMeetsTheStockCap) {
  struct Case {
    int stock, rate, after;
  };
  const Case cases[] = {
      {59'990, 20, 59'990},  // the day's output would pass the cap: lost whole
      {59'990, 10, 60'000},  // exactly reaches the cap
      {61'000, 0, 60'000},   // above the cap from repairs or merges: cut back
      {65'535, 5, 60'000},   // cut back, then 60,005 would pass
      {0, 255, 255},
  };
  const int m = ModelOfCategory(1);
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    GiveStableHeldValue(*w, kGermany, 100'000, 1);  // pays for anything
    EquipmentStockOf(w->Economy, kGermany, m) = static_cast<std::uint16_t>(c.stock);
    ProductionRateOf(w->Economy, kGermany, m) = static_cast<std::uint8_t>(c.rate);
    ProductionStatusOf(w->Economy, kGermany, m) = kStatusAvailable;
    DailyEconomy(*w);
    EXPECT_EQ(EquipmentStockOf(w->Economy, kGermany, m), c.after) << c.stock << "+" << c.rate;
  }
}

TEST(DailyEconomyTest, RepairQuotaFollowsHeldValue) {
  struct Case {
    int heldValue, quota;
  };
  const Case cases[] = {{1999, 0}, {2000, 1}, {3999, 1}, {4000, 2}};
  const int m = ModelOfCategory(5);
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    GiveStableHeldValue(*w, kGermany, c.heldValue, 1);
    TEconomy& e = w->Economy;
    RepairQueueOf(e, kGermany, m) = 5;
    EquipmentStockOf(e, kGermany, m) = 100;
    e.CarRepairPool[NationIndex(kGermany)] = 3;
    e.CarPool[NationIndex(kGermany)] = 10;
    DailyEconomy(*w);
    EXPECT_EQ(w->StatCounts[2][NationIndex(kGermany)], c.heldValue / 10) << c.heldValue;
    EXPECT_EQ(RepairQueueOf(e, kGermany, m), 5 - c.quota) << c.heldValue;
    EXPECT_EQ(EquipmentStockOf(e, kGermany, m), 100 + c.quota) << c.heldValue;
    EXPECT_EQ(e.CarRepairPool[NationIndex(kGermany)], 3 - c.quota) << c.heldValue;
    EXPECT_EQ(e.DailyCars[NationIndex(kGermany)], c.heldValue / 20) << c.heldValue;
    EXPECT_EQ(e.CarPool[NationIndex(kGermany)], 10 + c.heldValue / 20 + c.quota) << c.heldValue;
  }
}

TEST(DailyEconomyTest, RepairNeverTakesMoreThanWaits) {
  auto w = MakeEmptyWorld();
  GiveStableHeldValue(*w, kGermany, 20'000, 1);  // quota 10
  TEconomy& e = w->Economy;
  const int m = ModelOfCategory(1);
  RepairQueueOf(e, kGermany, m) = 4;
  e.CarRepairPool[NationIndex(kGermany)] = 7;
  DailyEconomy(*w);
  EXPECT_EQ(RepairQueueOf(e, kGermany, m), 0);
  EXPECT_EQ(EquipmentStockOf(e, kGermany, m), 4);
  EXPECT_EQ(e.CarRepairPool[NationIndex(kGermany)], 0);
  EXPECT_EQ(e.CarPool[NationIndex(kGermany)], 7 + 1000);
}

TEST(DailyEconomyTest, WoundedReturnOrDie) {
  struct Case {
    std::uint32_t wounded, veterans, dead, left;
  };
  const Case cases[] = {{250, 2, 2, 246},
                        {50, 1, 0, 49},
                        {100, 1, 1, 98},
                        {99, 1, 0, 98},
                        {1, 1, 0, 0},
                        {0, 0, 0, 0},
                        {3'000'000'000u, 30'000'000, 30'000'000, 2'940'000'000u}};
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    TEconomy& e = w->Economy;
    e.WoundedPool[NationIndex(5)] = static_cast<std::int32_t>(c.wounded);
    DailyEconomy(*w);
    EXPECT_EQ(static_cast<std::uint32_t>(e.VeteranPool[NationIndex(5)]), c.veterans) << c.wounded;
    EXPECT_EQ(static_cast<std::uint32_t>(e.DeadMen[NationIndex(5)]), c.dead) << c.wounded;
    EXPECT_EQ(static_cast<std::uint32_t>(e.WoundedPool[NationIndex(5)]), c.left) << c.wounded;
  }
}

TEST(DailyEconomyTest, ConscriptsAndHorses) {
  const std::uint32_t conscripts[] = {182, 1640, 900, 380, 3660, 80, 120, 20};
  auto w = MakeEmptyWorld();
  TEconomy& e = w->Economy;
  for (int n = 1; n <= 8; ++n) {
    e.RecruitPool[NationIndex(n)] = 1000;
    e.HorsePool[NationIndex(n)] = 4999 + 5000 * (n - 1);
  }
  e.RecruitPool[NationIndex(9)] = 7;  // rows 9 and 10 are never touched
  DailyEconomy(*w);
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(DailyConscripts(n), conscripts[n - 1]);
    EXPECT_EQ(e.RecruitPool[NationIndex(n)], 1000 + static_cast<int>(conscripts[n - 1]));
    EXPECT_EQ(e.HorsePool[NationIndex(n)], 4999 + 5000 * (n - 1) + (n - 1)) << n;
  }
  EXPECT_EQ(e.RecruitPool[NationIndex(9)], 7);
  EXPECT_EQ(DailyConscripts(9), 0u);
}

// A pool at the load limit (a file made by hand) must not grow past it, or the game's own next
// save is refused; the day's growth stops there.
TEST(DailyEconomyTest, GrowthStopsAtThePoolLimit) {
  struct Case {
    const char* pool;
    TEconomy::NationTable TEconomy::*table;
    std::int32_t before, after;
  };
  const Case cases[] = {
      {"recruits at the limit", &TEconomy::RecruitPool, kPoolLimit, kPoolLimit},
      {"recruits a day short of it", &TEconomy::RecruitPool, kPoolLimit - 10, kPoolLimit},
      {"horses", &TEconomy::HorsePool, kPoolLimit, kPoolLimit},
      {"cars", &TEconomy::CarPool, kPoolLimit - 1, kPoolLimit},
      {"veterans", &TEconomy::VeteranPool, kPoolLimit, kPoolLimit},
      {"dead", &TEconomy::DeadMen, kPoolLimit, kPoolLimit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pool);
    auto w = MakeEmptyWorld();
    GiveStableHeldValue(*w, kGermany, 20'000, 1);  // 1,000 cars a day, and repair
    TEconomy& e = w->Economy;
    e.CarRepairPool[NationIndex(kGermany)] = 5;
    e.WoundedPool[NationIndex(kGermany)] = 1000;
    (e.*c.table)[NationIndex(kGermany)] = c.before;
    DailyEconomy(*w);
    EXPECT_EQ((e.*c.table)[NationIndex(kGermany)], c.after);
    EXPECT_EQ(e.WoundedPool[NationIndex(kGermany)], 980);
    const Status s = CheckEconomyValues(e);
    EXPECT_TRUE(s) << s.Message();
  }
}

TEST(DailyEconomyTest, SettlementsGrow) {
  struct Case {
    int owner, holder, value, days, after;
  };
  const Case cases[] = {
      {5, 5, 50, 1, 51}, {5, 5, 99, 3, 100}, {5, 5, 100, 1, 100},
      {5, 5, 0, 5, 0},   {5, 2, 5, 30, 20},  {5, 2, 19, 1, 20},
      {5, 2, 20, 5, 20}, {5, 2, 60, 5, 60},  {10, 10, 30, 2, 32},
  };
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    TSettlement& s = Settlement(*w, kMaxSettlements);  // the scans reach the last record
    s.OwnerNation = static_cast<std::uint16_t>(c.owner);
    s.HolderNation = static_cast<std::uint16_t>(c.holder);
    s.Value = static_cast<std::uint16_t>(c.value);
    for (int d = 0; d < c.days; ++d) DailyEconomy(*w);
    EXPECT_EQ(s.Value, c.after) << c.owner << "/" << c.holder << " " << c.value;
  }
}

TEST(DailyEconomyTest, RampsMoveOneStepADay) {
  struct Case {
    int status, rate;
    int statusAfter1, rateAfter1, statusAfter2, rateAfter2;
  };
  const Case cases[] = {
      {kStatusRampingUp, 254, kStatusRampingUp, 255, kStatusAvailable, 255},
      {kStatusRampingUp, 10, kStatusRampingUp, 11, kStatusRampingUp, 12},
      {kStatusRampingDown, 1, kStatusRampingDown, 0, kStatusAvailable, 0},
      {kStatusRampingDown, 0, kStatusAvailable, 0, kStatusAvailable, 0},
      {kStatusAvailable, 7, kStatusAvailable, 7, kStatusAvailable, 7},
  };
  const int m = ModelOfCategory(6);
  for (const Case& c : cases) {
    auto w = MakeEmptyWorld();
    GiveStableHeldValue(*w, kGermany, 200'000, 1);
    TEconomy& e = w->Economy;
    ProductionStatusOf(e, kGermany, m) = static_cast<std::uint8_t>(c.status);
    ProductionRateOf(e, kGermany, m) = static_cast<std::uint8_t>(c.rate);
    DailyEconomy(*w);
    EXPECT_EQ(ProductionStatusOf(e, kGermany, m), c.statusAfter1) << c.status << "/" << c.rate;
    EXPECT_EQ(ProductionRateOf(e, kGermany, m), c.rateAfter1) << c.status << "/" << c.rate;
    DailyEconomy(*w);
    EXPECT_EQ(ProductionStatusOf(e, kGermany, m), c.statusAfter2) << c.status << "/" << c.rate;
    EXPECT_EQ(ProductionRateOf(e, kGermany, m), c.rateAfter2) << c.status << "/" << c.rate;
  }
}

TEST(DailyEconomyTest, ProductionValueCountsTomorrowsRamps) {
  auto w = MakeEmptyWorld();
  TEconomy& e = w->Economy;
  const int up = ModelOfCategory(1);
  const int down = ModelOfCategory(2);
  const int top = ModelOfCategory(3);
  const int aircraft = kAircraftModelBase + 1;
  ProductionRateOf(e, 3, up) = 4;
  ProductionStatusOf(e, 3, up) = kStatusRampingUp;
  ProductionRateOf(e, 3, down) = 2;
  ProductionStatusOf(e, 3, down) = kStatusRampingDown;
  ProductionRateOf(e, 3, top) = 255;
  ProductionStatusOf(e, 3, top) = kStatusRampingUp;
  ProductionRateOf(e, 3, aircraft) = 200;  // aircraft never count
  const int costUp = EquipmentModels[up].Cost;
  const int costDown = EquipmentModels[down].Cost;
  const int costTop = EquipmentModels[top].Cost;
  SumProductionValue(*w);
  EXPECT_EQ(w->ProductionValue[2], 5 * costUp + 1 * costDown + 255 * costTop);
  SumProductionValueBase(*w);
  EXPECT_EQ(w->ProductionValue[2], 4 * costUp + 2 * costDown + 255 * costTop);
}

// The cut as the rule states it: one step off the largest rate (lowest model first) at a time.
void NaiveCut(World& w, int n) {
  std::int64_t value = 0;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    value += std::int64_t{EquipmentModels[m].Cost} * ProductionRateOf(w.Economy, n, m);
  }
  while (value > w.SettlementValueByHolder[n - 1]) {
    int best = 0;
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      const int r = ProductionRateOf(w.Economy, n, m);
      if (r > 0 && (best == 0 || r > ProductionRateOf(w.Economy, n, best))) best = m;
    }
    --ProductionRateOf(w.Economy, n, best);
    value -= EquipmentModels[best].Cost;
  }
}

TEST(ProductionCutTest, EqualRatesLoseFromTheLowestModelFirst) {
  auto w = MakeEmptyWorld();
  const int a = ModelOfCategory(1);
  const int b = ModelOfCategory(1, a);
  const int c = ModelOfCategory(4);
  TEconomy& e = w->Economy;
  ProductionRateOf(e, kGermany, a) = 10;
  ProductionRateOf(e, kGermany, b) = 10;
  ProductionRateOf(e, kGermany, c) = 3;
  const int full =
      10 * EquipmentModels[a].Cost + 10 * EquipmentModels[b].Cost + 3 * EquipmentModels[c].Cost;
  w->SettlementValueByHolder[kGermany - 1] = full - 1;
  CutProduction(*w, kGermany);
  EXPECT_EQ(ProductionRateOf(e, kGermany, a), 9);
  EXPECT_EQ(ProductionRateOf(e, kGermany, b), 10);
  EXPECT_EQ(ProductionRateOf(e, kGermany, c), 3);
  EXPECT_EQ(w->ProductionValue[kGermany - 1], full - EquipmentModels[a].Cost);

  // Through the daily step: the rates stay while the holdings pay, and are cut once they do not.
  auto d = MakeEmptyWorld();
  GiveStableHeldValue(*d, kGermany, full, 1);
  ProductionRateOf(d->Economy, kGermany, a) = 10;
  ProductionRateOf(d->Economy, kGermany, b) = 10;
  ProductionRateOf(d->Economy, kGermany, c) = 3;
  DailyEconomy(*d);
  EXPECT_EQ(ProductionRateOf(d->Economy, kGermany, a), 10);
  Settlement(*d, 1).Value -= 1;
  DailyEconomy(*d);
  EXPECT_LE(d->ProductionValue[kGermany - 1], full - 1);
  EXPECT_EQ(ProductionRateOf(d->Economy, kGermany, a), 9);
  EXPECT_EQ(ProductionRateOf(d->Economy, kGermany, b), 10);
}

TEST(ProductionCutTest, SameRatesAsOneStepAtATime) {
  std::mt19937 rng(1942);
  for (int trial = 0; trial < 15; ++trial) {
    auto fast = MakeEmptyWorld();
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      const int pick = static_cast<int>(rng() % 40);
      const int rate = pick == 0 ? 255 : pick == 1 ? static_cast<int>(rng() % 256) : 0;
      ProductionRateOf(fast->Economy, kGermany, m) = static_cast<std::uint8_t>(rate);
    }
    const std::int32_t full = BaseProductionValue(*fast, kGermany);
    // From holdings of nothing (every rate to 0) to holdings that pay for almost everything.
    const std::int32_t means =
        trial == 0 ? 0 : static_cast<std::int32_t>(rng() % static_cast<std::uint32_t>(full + 1));
    fast->SettlementValueByHolder[kGermany - 1] = means;
    auto slow = testing::CopyWorld(*fast);
    CutProduction(*fast, kGermany);
    NaiveCut(*slow, kGermany);
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      ASSERT_EQ(ProductionRateOf(fast->Economy, kGermany, m),
                ProductionRateOf(slow->Economy, kGermany, m))
          << "trial " << trial << " model " << m;
    }
    EXPECT_EQ(fast->ProductionValue[kGermany - 1], BaseProductionValue(*slow, kGermany));
    EXPECT_LE(fast->ProductionValue[kGermany - 1], means);
  }
}

TEST(ProductionStatusTest, NewGameStartsWithModelsBeforeJuly1941) {
  auto w = MakeEmptyWorld();
  w->Economy.ProductionStatus.fill(kStatusRampingUp);
  InitProductionStatus(*w);
  for (int n = 1; n <= 8; ++n) {
    for (int m = 1; m <= kEquipmentModelRows + kAircraftModelRows; ++m) {
      const bool aircraft = m > kEquipmentModelRows;
      const int maker = aircraft ? AircraftModels[m - 800].Nation : EquipmentModels[m].Nation;
      const int year = aircraft ? AircraftModels[m - 800].IntroYear : EquipmentModels[m].IntroYear;
      const int month =
          aircraft ? AircraftModels[m - 800].IntroMonth : EquipmentModels[m].IntroMonth;
      const bool early = year < 1941 || (year == 1941 && month < 7);
      ASSERT_EQ(ProductionStatusOf(w->Economy, n, m),
                maker == n && early ? kStatusAvailable : kStatusUnavailable)
          << n << "/" << m;
    }
  }
  EXPECT_EQ(ProductionStatusOf(w->Economy, 9, 1), kStatusRampingUp);  // row 9 untouched
}

TEST(ProductionStatusTest, ModelsArriveOnTheFirstOfTheirMonth) {
  // Every month of the calendar, July 1941 among them: on day 1 exactly the ground models of
  // that month become available to their maker (1..8); on day 2 nothing happens.
  auto w = MakeEmptyWorld();
  for (int year = 1939; year <= 1945; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 2}) {
        w->Economy.ProductionStatus.fill(kStatusUnavailable);
        w->GameHeader.Day = static_cast<std::uint16_t>(day);
        w->GameHeader.Month = static_cast<std::uint16_t>(month);
        w->GameHeader.Year = static_cast<std::uint16_t>(year);
        IntroduceNewModels(*w);
        for (int n = 1; n <= 8; ++n) {
          for (int m = 1; m <= kEquipmentModelRows + kAircraftModelRows; ++m) {
            const bool due =
                m <= kEquipmentModelRows && day == 1 && EquipmentModels[m].Nation == n &&
                EquipmentModels[m].IntroYear == year && EquipmentModels[m].IntroMonth == month;
            ASSERT_EQ(ProductionStatusOf(w->Economy, n, m),
                      due ? kStatusAvailable : kStatusUnavailable)
                << day << "." << month << "." << year << " nation " << n << " model " << m;
          }
        }
      }
    }
  }
}

TEST(ProductionStatusTest, JulyModelsArriveWithTheDateAndKeepAChosenRamp) {
  auto w = MakeEmptyWorld();
  GiveStableHeldValue(*w, kGermany, 100'000, 1);
  InitProductionStatus(*w);
  w->GameHeader.Day = 30;
  w->GameHeader.Month = 6;
  w->GameHeader.Year = 1941;
  const auto before = w->Economy.ProductionStatus;
  AdvanceDate(*w);
  DailyEconomy(*w);
  ASSERT_EQ(w->GameHeader.Month, 7);
  for (int n = 1; n <= 8; ++n) {
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      const TEquipmentModel& model = EquipmentModels[m];
      const bool july = model.Nation == n && model.IntroYear == 1941 && model.IntroMonth == 7;
      const int i = EconomyIndex(n, m);
      const int expected = july ? int{kStatusAvailable} : int{before[i]};
      EXPECT_EQ(w->Economy.ProductionStatus[i], expected) << n << " " << m;
    }
  }
  // A model already ramping is left on its ramp.
  const int m = ModelOfCategory(1);
  ProductionStatusOf(w->Economy, kGermany, m) = kStatusRampingUp;
  w->GameHeader.Day = 1;
  IntroduceNewModels(*w);
  EXPECT_EQ(ProductionStatusOf(w->Economy, kGermany, m), kStatusRampingUp);
}

// A year of days on a world: every stock stays within the cap (plus at most one day's repairs)
// and every pool stays a non-negative count.
void RunYearAndCheckBounds(World& w) {
  testing::SetSides(w, kSovietSide);
  for (int day = 0; day < 365; ++day) {
    AdvanceDate(w);
    DailyEconomy(w);
    const TEconomy& e = w.Economy;
    for (int n = 1; n <= 8; ++n) {
      const int quota = w.StatCounts[2][n - 1] / 200;
      for (int m = 1; m <= kEquipmentModelRows; ++m) {
        ASSERT_LE(e.EquipmentStock[EconomyIndex(n, m)], kStockCap + quota)
            << "day " << day << " nation " << n << " model " << m;
      }
      for (const auto* pool : {&e.RecruitPool, &e.VeteranPool, &e.WoundedPool, &e.DeadMen,
                               &e.CarPool, &e.CarRepairPool, &e.HorsePool, &e.DailyCars}) {
        ASSERT_GE((*pool)[NationIndex(n)], 0) << "day " << day << " nation " << n;
      }
      ASSERT_LE(w.ProductionValue[n - 1], w.SettlementValueByHolder[n - 1]);
    }
  }
}

TEST(DailyEconomyTest, AYearOnASyntheticWorldStaysInBounds) {
  auto w = MakeEmptyWorld();
  std::mt19937 rng(1943);
  for (int i = 1; i <= kMaxSettlements; ++i) {
    TSettlement& s = Settlement(*w, i);
    s.OwnerNation = static_cast<std::uint16_t>(1 + rng() % 10);
    s.HolderNation = rng() % 4 == 0 ? static_cast<std::uint16_t>(1 + rng() % 10) : s.OwnerNation;
    s.Value = static_cast<std::uint16_t>(rng() % 101);
  }
  TEconomy& e = w->Economy;
  for (int n = 1; n <= 8; ++n) {
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      const int i = EconomyIndex(n, m);
      e.EquipmentStock[i] = static_cast<std::uint16_t>(rng() % 65536);
      e.RepairQueue[i] = static_cast<std::uint16_t>(rng() % 2000);
      e.ProductionRate[i] = static_cast<std::uint8_t>(rng() % 256);
      e.ProductionStatus[i] = static_cast<std::uint8_t>(rng() % 4);
    }
    e.WoundedPool[NationIndex(n)] = static_cast<std::int32_t>(rng() % 1'000'000);
    e.CarRepairPool[NationIndex(n)] = static_cast<std::int32_t>(rng() % 100'000);
    e.HorsePool[NationIndex(n)] = static_cast<std::int32_t>(rng() % 1'000'000);
  }
  RunYearAndCheckBounds(*w);
}

TEST(DailyEconomyTest, AYearOnTheRealScenarioStaysInBounds) {
  const char* buildDir = std::getenv("GM_BUILD_DIR");
  const std::string path = std::string(buildDir != nullptr ? buildDir : ".") + "/data/evrasia.scn";
  std::ifstream in(path, std::ios::binary);
  if (!in) GTEST_SKIP() << "no scenario at " << path;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  auto w = std::make_unique<World>();
  const Status loaded = DecodeWorldFile(bytes, WorldFileKind::kScenario, path, *w);
  ASSERT_TRUE(loaded.IsOk()) << loaded.Message();
  InitProductionStatus(*w);
  RunYearAndCheckBounds(*w);
}

}  // namespace
}  // namespace gm
