// Re-equipment of a staying computer formation from its nation's pools and stocks.
#include "ai/auto_refit.hpp"

#include "world/reserve_draws.hpp"
#include "world/slot_refill.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

void Reequip(World& w, TFormation& f) {
  const TFormationType& t = TypeOf(f);
  const int n = t.Nation;
  if (n < 1 || n > kNations) return;
  TEconomy& e = w.Economy;
  const int row = NationIndex(n);
  DrawMenFrom(f, t.Men, e.VeteranPool[row], kVeteranExperience, kVeteranMorale);
  DrawMenFrom(f, t.Men, e.RecruitPool[row], kRecruitExperience, kRecruitMorale);
  // A formation with no more than three quarters of its men gets no equipment.
  if (f.Men <= (t.Men / 4) * 3) return;
  RefillAllSlots(w, f);
  DrawCountFrom(f.Cars, t.Cars, e.CarPool[row]);
  DrawCountFrom(f.Horses, t.Horses, e.HorsePool[row]);
}

}  // namespace

void AiAutoRefit(World& w) {
  if (w.Selection[1] > kTheatreMaxX || w.Selection[2] >= kMapHeight) return;
  TFormation* f = UsedFormation(w, Cell(w, w.Selection[1], w.Selection[2]).GroundFormation);
  if (f == nullptr || f->OrdersLeft != 2) return;
  f->Ammo = 10;
  if (w.Ai.AiRefitAllowed == 1) Reequip(w, *f);
  f->OrdersLeft = 0;
}

}  // namespace gm
