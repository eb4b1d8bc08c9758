// Removal of emptied slots and destroyed formations after a fight.
#include "rules/combat_cleanup.hpp"

#include <utility>

#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr int kAircraftPairs = 8;

void ClearEmptyModels(TFormation& f, int pairs) {
  for (int k = 0; k < pairs; ++k) {
    if (f.pairs[k].Count == 0) f.pairs[k].Model = 0;
  }
}

// The whole record goes, and the cell word that named it.
void Remove(TFormation& f, std::uint16_t& cellWord) {
  f = TFormation{};
  cellWord = 0;
}

void CleanupGroundIn(World& w, int x, int y) {
  if (!OnMap(x, y)) return;
  TMapCell& c = Cell(w, x, y);
  TFormation* f = UsedFormation(w, c.GroundFormation);
  if (f == nullptr) return;
  if (f->Men == 0) Remove(*f, c.GroundFormation);
}

}  // namespace

void CleanupGroundCombat(World& w) {
  const int ax = w.Selection[1], ay = w.Selection[2];
  for (auto [x, y] : {std::pair{ax, ay}, std::pair{w.TargetX, w.TargetY}}) {
    if (!OnMap(x, y)) continue;
    if (TFormation* f = UsedFormation(w, Cell(w, x, y).GroundFormation)) {
      ClearEmptyModels(*f, kEquipmentPairs);
    }
  }
  CleanupGroundIn(w, ax, ay);
  CleanupGroundIn(w, w.TargetX, w.TargetY);
}

void CleanupAirStrike(World& w) {
  if (!OnMap(w.TargetX, w.TargetY)) return;
  TMapCell& c = Cell(w, w.TargetX, w.TargetY);
  TFormation* air = UsedFormation(w, c.AirFormation);
  if (air != nullptr) ClearEmptyModels(*air, kAircraftPairs);
  if (TFormation* ground = UsedFormation(w, c.GroundFormation)) {
    ClearEmptyModels(*ground, kEquipmentPairs);
  }
  if (air != nullptr) {
    int aircraft = 0;
    for (int k = 0; k < kAircraftPairs; ++k) aircraft += air->pairs[k].Count;
    if (aircraft == 0) Remove(*air, c.AirFormation);
  }
  CleanupGroundIn(w, w.TargetX, w.TargetY);
}

}  // namespace gm
