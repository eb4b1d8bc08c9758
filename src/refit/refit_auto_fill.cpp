// The automatic refit of the unit staff page.
#include "refit/refit_auto_fill.hpp"

#include "refit/refit_conditions.hpp"
#include "world/reserve_draws.hpp"
#include "world/slot_refill.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::uint16_t kFullAmmo = 10;

void DrawOnReserves(World& w, TFormation& f) {
  const int n = RefitNation(f);
  if (n == 0) return;
  const TFormationType& t = TypeOf(f);
  TEconomy& e = w.Economy;
  const int row = NationIndex(n);
  DrawMenFrom(f, t.Men, e.VeteranPool[row], kVeteranExperience, kVeteranMorale);
  DrawMenFrom(f, t.Men, e.RecruitPool[row], kRecruitExperience, kRecruitMorale);
  RefillAllSlots(w, f);
  DrawCountFrom(f.Cars, t.Cars, e.CarPool[row]);
  DrawCountFrom(f.Horses, t.Horses, e.HorsePool[row]);
}

}  // namespace

void RefitAutoFill(World& w) {
  TFormation* f = RefitFormation(w);
  if (f == nullptr || f->OrdersLeft != 2) return;
  f->Ammo = kFullAmmo;
  if (w.Refit.RefitHereAllowed == 1) DrawOnReserves(w, *f);
  f->OrdersLeft = 0;
}

}  // namespace gm
