// Copies of both sides of a fight, taken before its first phase.
#include "rules/combat_snapshots.hpp"

#include "world/world_access.hpp"

namespace gm {

namespace {

void CopyInto(TFormation& snapshot, const TFormation* f) {
  snapshot = f != nullptr ? *f : TFormation{};
}

const TFormation* GroundAt(const World& w, int x, int y) {
  return OnMap(x, y) ? UsedFormation(w, Cell(w, x, y).GroundFormation) : nullptr;
}

}  // namespace

void SnapshotGroundCombat(World& w) {
  CopyInto(w.SnapshotA, GroundAt(w, w.Selection[1], w.Selection[2]));
  CopyInto(w.SnapshotB, GroundAt(w, w.TargetX, w.TargetY));
}

void SnapshotAirStrike(World& w) {
  const TFormation* striker = OnMap(w.TargetX, w.TargetY)
                                  ? UsedFormation(w, Cell(w, w.TargetX, w.TargetY).AirFormation)
                                  : nullptr;
  CopyInto(w.SnapshotA, striker);
  CopyInto(w.SnapshotB, GroundAt(w, w.TargetX, w.TargetY));
}

}  // namespace gm
