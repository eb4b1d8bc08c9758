// The ground assault's fire passes and the bookkeeping of orders, experience and ammunition.
#include "rules/assault_fire.hpp"

#include "rules/combat_cleanup.hpp"
#include "rules/combat_snapshots.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

using enum FireGroup;
using enum FireValue;
using enum TargetClass;

}  // namespace

const AssaultPhase kAssaultPhases[8] = {
    {true, {kArtillery, 2, kArmorAttack, false, 3, 2, kArmour}},
    {true, {kArtillery, 8, kInfantryAttack, false, 3, 2, kSoft}},
    {false, {kArtillery, 2, kArmorAttack, false, 3, 2, kArmour}},
    {false, {kArtillery, 8, kInfantryAttack, false, 3, 2, kSoft}},
    {true, {kMainBody, 4, kArmorAttack, true, 3, 2, kArmour}},
    {true, {kMainBody, 6, kInfantryAttack, true, 3, 2, kSoft}},
    {false, {kMainBody, 5, kArmorAttack, true, 3, 2, kArmour}},
    {false, {kMainBody, 5, kInfantryAttack, true, 3, 2, kSoft}},
};

AssaultOutcome ResolveAssault(World& w, Clock& clock) {
  const int ax = w.Selection[1], ay = w.Selection[2];
  if (!OnMap(ax, ay) || !OnMap(w.TargetX, w.TargetY)) return AssaultOutcome::Held;
  const int attackerId = Cell(w, ax, ay).GroundFormation;
  const int defenderId = Cell(w, w.TargetX, w.TargetY).GroundFormation;
  if (UsedFormation(w, attackerId) == nullptr || UsedFormation(w, defenderId) == nullptr ||
      attackerId == defenderId) {
    return AssaultOutcome::Held;
  }

  w.Combat.CombatMode = kCombatAssault;
  SnapshotGroundCombat(w);
  // The defender fires back only with ammunition as it stood before the first pass.
  const bool defenderFires = Formation(w, defenderId).Ammo > 0;

  for (const AssaultPhase& p : kAssaultPhases) {
    if (p.attackerFires) {
      RunGroundFirePhase(w, clock, ax, ay, w.TargetX, w.TargetY, p.fire);
    } else if (defenderFires) {
      RunGroundFirePhase(w, clock, w.TargetX, w.TargetY, ax, ay, p.fire);
    }
  }

  TFormation& attacker = Formation(w, attackerId);
  if (attacker.OrdersLeft > 0) --attacker.OrdersLeft;
  attacker.Experience = SaturatingAdd16(attacker.Experience, 2);
  if (attacker.Ammo > 0) --attacker.Ammo;

  TFormation& defender = Formation(w, defenderId);
  if (defender.Ammo > 0) {
    defender.Experience = SaturatingAdd16(defender.Experience, 2);
    --defender.Ammo;
  }

  const AssaultOutcome outcome = ResolveAssaultOutcome(w);
  CleanupGroundCombat(w);
  return outcome;
}

}  // namespace gm
