// Artillery fire on a formation two cells away.
#include "rules/artillery_fire.hpp"

#include "rules/combat_cleanup.hpp"
#include "rules/combat_snapshots.hpp"
#include "rules/loss_books.hpp"
#include "world/world_access.hpp"

namespace gm {

const GroundFirePhase kBombardmentPhases[2] = {
    {FireGroup::kArtillery, 1, FireValue::kArmorAttack, false, 1, 1, TargetClass::kArmour},
    {FireGroup::kArtillery, 9, FireValue::kInfantryAttack, false, 1, 1, TargetClass::kSoft},
};

void ResolveBombardment(World& w, Clock& clock) {
  const int fx = w.Selection[1], fy = w.Selection[2];
  if (!OnMap(fx, fy) || !OnMap(w.TargetX, w.TargetY)) return;
  const int firerId = Cell(w, fx, fy).GroundFormation;
  const int targetId = Cell(w, w.TargetX, w.TargetY).GroundFormation;
  if (UsedFormation(w, firerId) == nullptr || UsedFormation(w, targetId) == nullptr) return;
  if (firerId == targetId) return;

  w.Combat.CombatMode = kCombatBombardment;
  SnapshotGroundCombat(w);
  for (const GroundFirePhase& p : kBombardmentPhases) {
    RunGroundFirePhase(w, clock, fx, fy, w.TargetX, w.TargetY, p);
  }

  TFormation& firer = Formation(w, firerId);
  if (firer.OrdersLeft > 0) --firer.OrdersLeft;
  firer.Experience = SaturatingAdd16(firer.Experience, 1);
  if (firer.Ammo > 0) --firer.Ammo;

  BookBombardmentLosses(w);
  CleanupGroundCombat(w);
}

}  // namespace gm
