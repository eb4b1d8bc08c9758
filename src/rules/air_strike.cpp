// Bombing phases, anti-aircraft fire and the striker's losses of an air strike.
#include "rules/air_strike.hpp"

#include <algorithm>

#include "rules/combat_cleanup.hpp"
#include "rules/combat_fire_phase.hpp"
#include "rules/combat_interception.hpp"
#include "rules/combat_modifiers.hpp"
#include "rules/combat_snapshots.hpp"
#include "rules/loss_books.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kAircraftPairs = 8;
constexpr int kBombingMultiplier = 5;
constexpr int kAAMultiplier = 2;

struct AircraftValues {
  std::uint16_t InfantryAttack, ArmorAttack, AirDefense;
};
AircraftValues AircraftValuesOf(std::uint16_t row) {
  if (row < 1 || row > kAircraftModelRows) return {};
  const TAircraftModel& m = AircraftModels[row];
  return {m.InfantryAttack, m.ArmorAttack, m.AirDefense};  // by value: packed rows
}

// Experience and morale bonuses of aircraft and anti-aircraft fire: a fifth of each.
std::int64_t WithVeteranBonus(const TFormation& f, std::int64_t s) {
  if (f.Experience > 99 && s > 0) s += f.Experience / 5;
  if (f.Morale > 74 && s > 0) s += f.Morale / 5;
  return s;
}

void Bomb(World& w, Clock& clock, const TFormation& striker, TFormation& target, std::uint16_t tile,
          int multiplier, FireValue value, TargetClass cls) {
  CombatState& c = w.Combat;
  c.AttackStrength = ClampStrength(BomberStrength(striker, multiplier, value));
  SurpriseBonus(w);
  if (c.AttackStrength > 0) RandomSpread(w, clock);
  if (c.AttackStrength < 0) c.AttackStrength = 0;
  c.AttackStrength = ClampStrength(std::int64_t{c.AttackStrength} * kBombingMultiplier);

  c.DefenceBase = target.Experience / 10 + target.Morale / 10;
  AddTerrainAirDefence(w, target.FormationType, tile);
  ApplyFire(w, target, c.AttackStrength, cls, DefenceKind::kAir);
}

// Anti-aircraft strength of a ground formation's guns (pairs 28..30), before the spread.
std::int64_t AAGunStrength(const TFormation& f) {
  std::int64_t s = 0;
  for (int k = 28; k <= 30; ++k) {
    const std::int64_t count = f.pairs[k].Count;
    if (count > 0) s += count * EquipmentValues(f.pairs[k].Model).AirAttack;
  }
  return WithVeteranBonus(f, s);
}

// The striker's aircraft share the anti-aircraft strength and lose what it kills.
void TakeAircraftLosses(World& w, TFormation& striker) {
  std::int64_t items = 0;
  for (int k = 0; k < kAircraftPairs; ++k) items += striker.pairs[k].Count;
  const std::int64_t share = items > 0 ? w.Combat.AttackStrength / items : 0;
  w.Combat.DefenceBase = striker.Experience / 10 + striker.Morale / 10;
  for (int k = 0; k < kAircraftPairs; ++k) {
    TEquipmentPair& p = striker.pairs[k];
    if (p.Count == 0) continue;
    const std::int64_t defence = std::max<std::int64_t>(
        std::int64_t{AircraftValuesOf(p.Model).AirDefense} + w.Combat.DefenceBase, 1);
    const std::int64_t kills = std::int64_t{p.Count} * share / defence;
    if (kills > 0) p.Count = kills >= p.Count ? 0 : static_cast<std::uint16_t>(p.Count - kills);
  }
}

}  // namespace

std::int64_t BomberStrength(const TFormation& striker, int multiplier, FireValue value) {
  std::int64_t s = 0;
  for (int k = 0; k < kAircraftPairs; ++k) {
    const std::uint32_t count = striker.pairs[k].Count;
    if (count == 0) continue;
    const AircraftValues v = AircraftValuesOf(striker.pairs[k].Model);
    const std::int64_t fire = value == FireValue::kArmorAttack ? v.ArmorAttack : v.InfantryAttack;
    s += std::int64_t{(count * static_cast<std::uint32_t>(multiplier)) / 10} * fire;
  }
  return WithVeteranBonus(striker, s);
}

void ResolveAirStrike(World& w, Clock& clock) {
  const int tx = w.TargetX, ty = w.TargetY;
  if (!OnMap(tx, ty)) return;
  const TMapCell& cell = Cell(w, tx, ty);
  TFormation* striker = UsedFormation(w, cell.AirFormation);
  TFormation* target = UsedFormation(w, cell.GroundFormation);
  if (striker == nullptr || target == nullptr) return;

  SnapshotAirStrike(w);
  Bomb(w, clock, *striker, *target, cell.Terrain, 4, FireValue::kArmorAttack, TargetClass::kArmour);
  Bomb(w, clock, *striker, *target, cell.Terrain, 6, FireValue::kInfantryAttack,
       TargetClass::kSoft);

  CombatState& c = w.Combat;
  c.AttackStrength = 0;
  if (target->Ammo > 0) {
    c.AttackStrength = ClampStrength(AAGunStrength(*target));
    if (c.AttackStrength > 0) RandomSpread(w, clock);
    if (c.AttackStrength < 0) c.AttackStrength = 0;
    c.AttackStrength = ClampStrength(std::int64_t{c.AttackStrength} * kAAMultiplier);
  }
  // Flagged neighbours fire in neighbour order, NW first.
  for (int i = 0; i < 8; ++i) {
    const int dx = kNeighbourDx[i], dy = kNeighbourDy[i];
    if (c.EnemyAAFlags[EnemyAAFlagIndex(dx, dy)] == 0 || !OnMap(tx + dx, ty + dy)) continue;
    const TFormation* gunner = UsedFormation(w, Cell(w, tx + dx, ty + dy).GroundFormation);
    if (gunner == nullptr) continue;
    c.AAStrength = ClampStrength(AAGunStrength(*gunner));
    if (c.AAStrength > 0) RandomSpreadAA(w, clock);
    if (c.AAStrength < 0) c.AAStrength = 0;
    c.AttackStrength =
        ClampStrength(std::int64_t{c.AttackStrength} + std::int64_t{c.AAStrength} * kAAMultiplier);
  }

  TakeAircraftLosses(w, *striker);
  striker->Experience = SaturatingAdd16(striker->Experience, 2);
  target->Experience = SaturatingAdd16(target->Experience, 1);

  BookAirStrikeLosses(w);
  CleanupAirStrike(w);
}

}  // namespace gm
