// Refilling equipment slots from the nation's stock.
#include "world/slot_refill.hpp"

#include <algorithm>

#include "world/world_access.hpp"

namespace gm {

namespace {

// The reserve row of the type's nation, or 0 for a nation without one.
int ReserveNation(const TFormation& f) {
  const int n = NationOf(f);
  return n >= 1 && n <= kNations ? n : 0;
}

std::uint16_t StockOf(const World& w, int nation, int model) {
  return w.Economy.EquipmentStock[EconomyIndex(nation, model)];
}

}  // namespace

std::uint16_t GroupShortfall(const TFormation& f, const EquipmentGroup& g) {
  const std::uint32_t nominal = NominalOf(TypeOf(f), g);
  // Summed wide: an over-full group must never look short.
  std::uint32_t held = 0;
  for (int k = g.first; k <= g.last; ++k) held += f.pairs[k].Count;
  return held >= nominal ? 0 : static_cast<std::uint16_t>(nominal - held);
}

std::uint16_t PickSlotModel(const World& w, const TFormation& f, int pair,
                            const EquipmentGroup& g) {
  const std::uint16_t held = f.pairs[pair].Model;
  if (held != 0) return held;
  const int n = ReserveNation(f);
  if (n == 0) return 0;
  const bool airborne = KindOf(f) == kAirborneKind;
  std::uint16_t picked = 0;
  for (int m = 1; m <= kEquipmentModelRows; ++m) {
    const TEquipmentModel& em = EquipmentModels[m];
    if (StockOf(w, n, m) == 0 || em.Category != g.category) continue;
    if (airborne && em.AirTransportable != 1) continue;
    picked = static_cast<std::uint16_t>(m);
  }
  return picked;
}

SlotRefill PlanSlotRefill(const World& w, const TFormation& f, int pair, const EquipmentGroup& g) {
  const std::uint16_t shortfall = GroupShortfall(f, g);
  if (shortfall == 0) return {0, 0};
  const std::uint16_t model = PickSlotModel(w, f, pair, g);
  const int n = ReserveNation(f);
  // A slot naming no ground model (a damaged record) takes nothing.
  if (n == 0 || model < 1 || model > kEquipmentModelRows) return {model, 0};
  return {model, std::min(shortfall, StockOf(w, n, model))};
}

std::uint16_t RefillSlot(World& w, TFormation& f, int pair, const EquipmentGroup& g) {
  const SlotRefill plan = PlanSlotRefill(w, f, pair, g);
  if (plan.amount == 0) return 0;
  // The shortfall was measured over the group's counts, this slot's among them, so the count
  // stays within the type's nominal count.
  TEquipmentPair& slot = f.pairs[pair];
  std::uint16_t& stock = EquipmentStockOf(w.Economy, NationOf(f), plan.model);
  stock = static_cast<std::uint16_t>(stock - plan.amount);
  slot.Count = static_cast<std::uint16_t>(slot.Count + plan.amount);
  slot.Model = plan.model;
  return plan.amount;
}

void RefillAllSlots(World& w, TFormation& f) {
  for (const EquipmentGroup& g : kEquipmentGroups) {
    for (int k = g.first; k <= g.last; ++k) RefillSlot(w, f, k, g);
  }
}

}  // namespace gm
