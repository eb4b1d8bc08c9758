// Per-nation totals of settlement value and production cost, over ground equipment only.
#include "world/economy_totals.hpp"

#include "world/list_state.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

constexpr std::uint8_t kRampingDown = 1;
constexpr std::uint8_t kRampingUp = 3;

}  // namespace

void SumSettlementValue(World& w) {
  w.SettlementValueByHolder.fill(0);
  for (const TSettlement& s : w.Settlements) {
    if (s.HolderNation >= 1 && s.HolderNation <= kNations && s.Value > 0) {
      w.SettlementValueByHolder[s.HolderNation - 1] += s.Value;
    }
  }
}

std::int32_t BaseProductionValue(const World& w, int nation) {
  std::int32_t sum = 0;
  const std::uint8_t* rates = &w.Economy.ProductionRate[EconomyIndex(nation, 1)];
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    sum += std::int32_t{EquipmentModels[m].Cost} * rates[m - 1];
  }
  return sum;
}

void SumProductionValueBase(World& w) {
  for (int n = 1; n <= kNations; ++n) w.ProductionValue[n - 1] = BaseProductionValue(w, n);
}

void SumProductionValue(World& w) {
  for (int n = 1; n <= kNations; ++n) {
    std::int32_t sum = 0;
    const std::uint8_t* rates = &w.Economy.ProductionRate[EconomyIndex(n, 1)];
    const std::uint8_t* statuses = &w.Economy.ProductionStatus[EconomyIndex(n, 1)];
    for (int m = 1; m <= kEquipmentModelRows; ++m) {
      const std::int32_t cost = EquipmentModels[m].Cost;
      const int rate = rates[m - 1];
      sum += cost * rate;
      if (statuses[m - 1] == kRampingUp && rate <= 254) sum += cost;
      if (statuses[m - 1] == kRampingDown && rate > 0) sum -= cost;
    }
    w.ProductionValue[n - 1] = sum;
  }
}

}  // namespace gm
