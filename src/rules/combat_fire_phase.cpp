// The ground fire phase: firer strength, share per target item, defences and kills.
#include "rules/combat_fire_phase.hpp"

#include <algorithm>

#include "rules/combat_modifiers.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr bool InArtilleryGroup(int k) {
  return k >= 18 && k <= 24;
}
constexpr bool InMainBody(int k) {
  return (k >= 0 && k <= 5) || (k >= 8 && k <= 17) || (k >= 25 && k <= 30);
}
constexpr bool IsArmourPair(int k) {
  return (k >= 0 && k <= 5) || (k >= 8 && k <= 13);
}
constexpr bool IsMortarPair(int k) {
  return k >= 21 && k <= 24;
}

std::int64_t FirerStrength(const TFormation& f, const GroundFirePhase& p) {
  std::int64_t s = 0;
  for (int k = 0; k < kEquipmentPairs; ++k) {
    const bool inGroup = p.group == FireGroup::kArtillery ? InArtilleryGroup(k) : InMainBody(k);
    const std::uint32_t count = f.pairs[k].Count;
    if (!inGroup || count == 0) continue;
    const ModelValues v = EquipmentValues(f.pairs[k].Model);
    const std::int64_t fire = p.value == FireValue::kArmorAttack ? v.ArmorAttack : v.InfantryAttack;
    s += std::int64_t{(count * static_cast<std::uint32_t>(p.multiplier)) / 10} * fire;
  }
  if (p.menFire) s += f.Men / 25;
  if (f.Experience > 99 && s > 0) s += std::int64_t{p.experienceFactor} * f.Experience;
  if (f.Morale > 74 && s > 0) s += std::int64_t{p.moraleFactor} * f.Morale;
  return s;
}

// Takes `kills` off a 16-bit count, never below 0.
void TakeKills(std::uint16_t& count, std::int64_t kills) {
  if (kills <= 0) return;
  count = kills >= count ? 0 : static_cast<std::uint16_t>(count - kills);
}

std::int64_t PairDefence(const ModelValues& v, DefenceKind kind, std::int64_t base) {
  return kind == DefenceKind::kGround ? std::int64_t{v.Movement} + v.GroundDefense + base
                                      : std::int64_t{v.AirDefense} + base;
}

void Hit(std::uint16_t& count, std::int64_t allotment, std::int64_t defence) {
  TakeKills(count, allotment / std::max<std::int64_t>(defence, 1));
}

}  // namespace

ModelValues EquipmentValues(std::uint16_t model) {
  if (model < 1 || model > kEquipmentModelRows) return {};
  const TEquipmentModel& m = EquipmentModels[model];
  // By value: the packed rows put these words at odd addresses.
  return {m.Movement, m.InfantryAttack, m.ArmorAttack, m.AirAttack, m.GroundDefense, m.AirDefense};
}

void ApplyFire(World& w, TFormation& t, std::int32_t strength, TargetClass cls,
               DefenceKind defence) {
  const std::int64_t base = w.Combat.DefenceBase;
  if (cls == TargetClass::kArmour) {
    std::int64_t items = 0;
    for (int k = 0; k < kEquipmentPairs; ++k) {
      if (IsArmourPair(k)) items += t.pairs[k].Count;
    }
    const std::int64_t share = items > 0 ? strength / items : 0;
    for (int k = 0; k < kEquipmentPairs; ++k) {
      TEquipmentPair& p = t.pairs[k];
      if (!IsArmourPair(k) || p.Count == 0) continue;
      const ModelValues v = EquipmentValues(p.Model);
      Hit(p.Count, std::int64_t{p.Count} * share, PairDefence(v, defence, base));
    }
    return;
  }

  // Soft class: men, horses and cars count at least one item each.
  const std::int64_t menItems = std::max(1, t.Men / 150);
  const std::int64_t horseItems = std::max(1, t.Horses / 150);
  const std::int64_t carItems = std::max(1, t.Cars / 40);
  std::int64_t items = menItems + horseItems + carItems;
  for (int k = 14; k < kEquipmentPairs; ++k) items += t.pairs[k].Count;
  const std::int64_t share = strength / items;

  // Armoured cars shield the men; read before any count of this phase changes.
  const std::int64_t menDefence = base + t.pairs[11].Count + t.pairs[12].Count + t.pairs[13].Count;
  if (t.Men > 0) Hit(t.Men, menItems * share * 15, menDefence);
  if (t.Horses > 0) Hit(t.Horses, horseItems * share * 10, base);
  if (t.Cars > 0) Hit(t.Cars, carItems * share * 4, base);
  for (int k = 14; k < kEquipmentPairs; ++k) {
    TEquipmentPair& p = t.pairs[k];
    if (p.Count == 0) continue;
    const ModelValues v = EquipmentValues(p.Model);
    const int gunCover = IsMortarPair(k) ? 100 : 50;
    Hit(p.Count, std::int64_t{p.Count} * share, PairDefence(v, defence, base) + gunCover);
  }
}

void RunGroundFirePhase(World& w, Clock& clock, int firerX, int firerY, int targetX, int targetY,
                        const GroundFirePhase& phase) {
  if (!OnMap(firerX, firerY) || !OnMap(targetX, targetY)) return;
  const TMapCell& firerCell = Cell(w, firerX, firerY);
  const TMapCell& targetCell = Cell(w, targetX, targetY);
  TFormation* firer = UsedFormation(w, firerCell.GroundFormation);
  TFormation* target = UsedFormation(w, targetCell.GroundFormation);
  if (firer == nullptr || target == nullptr) return;

  CombatState& c = w.Combat;
  c.AttackStrength = ClampStrength(FirerStrength(*firer, phase));
  AddTerrainAttack(w, firer->FormationType, firerCell.Terrain);
  SurpriseBonus(w);
  if (c.AttackStrength > 0) RandomSpread(w, clock);
  if (c.AttackStrength < 0) c.AttackStrength = 0;

  c.DefenceBase = target->Experience / 10 + target->Morale / 10;
  AddTerrainDefence(w, target->FormationType, targetCell.Terrain);
  ApplyFire(w, *target, c.AttackStrength, phase.target, DefenceKind::kGround);
}

}  // namespace gm
