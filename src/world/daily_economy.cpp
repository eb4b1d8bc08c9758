// One day of the nations' economy, its steps in the order the books are kept.
#include "world/daily_economy.hpp"

#include <algorithm>
#include <array>

#include "world/calendar.hpp"
#include "world/economy_totals.hpp"
#include "world/list_state.hpp"
#include "world/production_cut.hpp"
#include "world/production_status.hpp"
#include "world/record_ranges.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

constexpr std::array<std::uint32_t, kNations> kDailyConscripts = {182,  1640, 900, 380,
                                                                  3660, 80,   120, 20};
constexpr int kHeldValueTable = 2;  // the economy page's table of held settlement value

// The per-nation pools are counts kept as unsigned 32-bit numbers.
std::uint32_t Pool(const TEconomy::NationTable& t, int n) {
  return static_cast<std::uint32_t>(t[NationIndex(n)]);
}
void SetPool(TEconomy::NationTable& t, int n, std::uint32_t v) {
  t[NationIndex(n)] = static_cast<std::int32_t>(v);
}
// A day's growth, stopping at the limit every file must keep.
void GrowPool(TEconomy::NationTable& t, int n, std::uint32_t add) {
  AddToPoolWithinLimit(t[NationIndex(n)], add);
}

// Owners' settlements grow by one a day up to 100; captured ones only back up to 20.
void GrowSettlements(World& w) {
  for (TSettlement& s : w.Settlements) {
    if (s.Value < 1 || s.Value > 99) continue;
    if (s.OwnerNation == s.HolderNation || s.Value < 20) ++s.Value;
  }
}

// A day's output that would take a stock past the cap is lost whole.
void Produce(TEconomy& e) {
  for (int n = 1; n <= kNations; ++n) {
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      std::uint16_t& stock = EquipmentStockOf(e, n, m);
      if (stock > kStockCap) stock = kStockCap;
      const int rate = ProductionRateOf(e, n, m);
      if (stock + rate <= kStockCap) stock = static_cast<std::uint16_t>(stock + rate);
    }
  }
}

// Repair returns up to Q a day of the cars and of each model waiting; Q grows with held value.
void Repair(World& w) {
  TEconomy& e = w.Economy;
  for (int n = 1; n <= kNations; ++n) {
    std::int32_t& held = w.StatCounts[kHeldValueTable][n - 1];
    held = w.SettlementValueByHolder[n - 1] / 10;
    const std::uint32_t quota = static_cast<std::uint32_t>(std::max(held, 0)) / 200;
    if (quota == 0) continue;
    const std::uint32_t inRepair = Pool(e.CarRepairPool, n);
    if (inRepair > 0) {
      const std::uint32_t cars = std::min(quota, inRepair);
      SetPool(e.CarRepairPool, n, inRepair - cars);
      GrowPool(e.CarPool, n, cars);
    }
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      std::uint16_t& queue = RepairQueueOf(e, n, m);
      std::uint16_t& stock = EquipmentStockOf(e, n, m);
      // Stocks stand at most at the cap here, so this passes it by one day's repairs at most;
      // the bound only guards the 16-bit field against absurd settlement values.
      const std::uint32_t repaired =
          std::min({quota, std::uint32_t{queue}, std::uint32_t{65535u - stock}});
      queue = static_cast<std::uint16_t>(queue - repaired);
      stock = static_cast<std::uint16_t>(stock + repaired);
    }
  }
}

// Ramps move each rate one step a day; a ramp that has arrived turns available the next day.
void MoveRamps(TEconomy& e) {
  for (int n = 1; n <= kNations; ++n) {
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      std::uint8_t& s = ProductionStatusOf(e, n, m);
      std::uint8_t& r = ProductionRateOf(e, n, m);
      if (s == kStatusRampingDown && r == 0) s = kStatusAvailable;
      if (s == kStatusRampingDown && r > 0) --r;
      if (s == kStatusRampingUp && r == 255) s = kStatusAvailable;
      if (s == kStatusRampingUp && r < 255) ++r;
    }
  }
}

// Of a hundred wounded one returns to the elite reserve and one dies each day; fewer than a
// hundred give one man back a day.
void MoveWounded(TEconomy& e, int n) {
  const std::uint32_t wounded = Pool(e.WoundedPool, n);
  if (wounded > 99) {
    const std::uint32_t share = wounded / 100;
    GrowPool(e.VeteranPool, n, share);
    GrowPool(e.DeadMen, n, share);
    SetPool(e.WoundedPool, n, wounded - 2 * share);
  } else if (wounded > 0) {
    GrowPool(e.VeteranPool, n, 1);
    SetPool(e.WoundedPool, n, wounded - 1);
  }
}

}  // namespace

std::uint32_t DailyConscripts(int nation) {
  return nation >= 1 && nation <= kNations ? kDailyConscripts[nation - 1] : 0;
}

void DailyEconomy(World& w) {
  if (DayStandsStill(w)) return;
  TEconomy& e = w.Economy;

  GrowSettlements(w);
  SumSettlementValue(w);
  for (int n = 1; n <= kNations; ++n) {
    e.DailyCars[NationIndex(n)] = w.SettlementValueByHolder[n - 1] / 20;
  }
  Produce(e);
  for (int n = 1; n <= kNations; ++n) {
    GrowPool(e.CarPool, n, Pool(e.DailyCars, n));
  }
  // Settlements have not changed since the sum above, so it serves the repair quota too.
  Repair(w);
  IntroduceNewModels(w);

  SumSettlementValue(w);
  SumProductionValue(w);  // the cost as it will stand once the ramps below have moved
  MoveRamps(e);
  for (int n = 1; n <= kNations; ++n) {
    if (w.ProductionValue[n - 1] > w.SettlementValueByHolder[n - 1]) CutProduction(w, n);
  }

  for (int n = 1; n <= kNations; ++n) {
    MoveWounded(e, n);
    GrowPool(e.HorsePool, n, Pool(e.HorsePool, n) / 5000);
    GrowPool(e.RecruitPool, n, DailyConscripts(n));
  }
}

}  // namespace gm
