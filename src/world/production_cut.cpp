// The production cut, done by whole rate levels instead of one decrement at a time.
//
// Taking one from the largest rate (lowest model first) again and again lowers, level by level
// from the top, every model at or above that level by one in ascending model order. So whole
// levels are taken at once while the saving of a level still leaves the cost too high, and only
// the last level is walked model by model.
#include "world/production_cut.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

#include "world/economy_totals.hpp"
#include "world/tables/tables.hpp"

namespace gm {

void CutProduction(World& w, int nation) {
  std::uint8_t* rates = &w.Economy.ProductionRate[EconomyIndex(nation, 1)];
  const std::int64_t means = w.SettlementValueByHolder[nation - 1];
  std::int64_t cost = BaseProductionValue(w, nation);
  if (cost <= means) {
    w.ProductionValue[nation - 1] = static_cast<std::int32_t>(cost);
    return;
  }

  // costAtOrAbove[r]: what lowering every model of rate r or more by one saves.
  std::array<std::int64_t, 257> costAtOrAbove{};
  int top = 0;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    costAtOrAbove[rates[m - 1]] += EquipmentModels[m].Cost;
    top = std::max<int>(top, rates[m - 1]);
  }
  for (int r = 254; r >= 0; --r) costAtOrAbove[r] += costAtOrAbove[r + 1];

  int level = top;  // every rate above `level` comes down to it
  while (level > 0 && cost - costAtOrAbove[level] > means) {
    cost -= costAtOrAbove[level];
    --level;
  }
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    rates[m - 1] = std::min<std::uint8_t>(rates[m - 1], static_cast<std::uint8_t>(level));
  }
  // Within the last level the models step down one by one, lowest number first.
  for (int m = 1; m <= kEquipmentModelRows && cost > means && level > 0; ++m) {
    if (rates[m - 1] != level) continue;
    --rates[m - 1];
    cost -= EquipmentModels[m].Cost;
  }
  w.ProductionValue[nation - 1] = static_cast<std::int32_t>(cost);
}

}  // namespace gm
