// The rule by which a formation's equipment slots are refilled from its nation's stock, one slot
// at a time in field order: each group is measured against its type's nominal count, and an empty
// slot takes the highest-numbered model of the category in stock. The unit staff page's check and
// automatic refit and the computer's re-equipment all follow it.
#pragma once

#include <cstdint>

#include "world/equipment_groups.hpp"
#include "world/world.hpp"

namespace gm {

inline constexpr std::uint16_t kAirborneKind = 6;

// How many items group `g` lacks of its type's nominal count, from the counts as they stand: 0
// when the type takes none of the category or the group already holds enough.
std::uint16_t GroupShortfall(const TFormation& f, const EquipmentGroup& g);

// The model slot `pair` of group `g` is to be filled with: the slot's own model when it holds
// one, whatever it is; else the highest-numbered model of the group's category that the nation
// of the formation's type has in stock (airborne types: air-transportable models only); 0 for
// none, and always 0 for a type whose nation has no reserves.
std::uint16_t PickSlotModel(const World& w, const TFormation& f, int pair, const EquipmentGroup& g);

// What slot `pair` can take now, and of which model: the smaller of the group's shortfall and
// the nation's stock of the picked model.
struct SlotRefill {
  std::uint16_t model;
  std::uint16_t amount;
};
SlotRefill PlanSlotRefill(const World& w, const TFormation& f, int pair, const EquipmentGroup& g);

// Moves the planned amount out of the stock into the slot, which then names the model (a slot
// is never emptied or renamed by it). Returns the amount.
std::uint16_t RefillSlot(World& w, TFormation& f, int pair, const EquipmentGroup& g);

// Every slot of every group in field order, each seeing what the slots before it took.
void RefillAllSlots(World& w, TFormation& f);

}  // namespace gm
