// The unit staff page's opening and its refit check.
#include "refit/refit_check.hpp"

#include "refit/neighbour_mask.hpp"
#include "refit/refit_conditions.hpp"
#include "refit/renew_messages.hpp"
#include "refit/update_refit_panel.hpp"
#include "world/reserve_draws.hpp"
#include "world/slot_refill.hpp"
#include "world/world_access.hpp"

namespace gm {

namespace {

constexpr std::int32_t kAssaultMark = 3;
constexpr std::uint16_t kFullAmmo = 10;

// Cells around the formation that its reach grid marks for assault: enemies in contact.
int ContactCount(const World& w) {
  int count = 0;
  for (int row = kGroundGridCentre - 1; row <= kGroundGridCentre + 1; ++row) {
    for (int col = kGroundGridCentre - 1; col <= kGroundGridCentre + 1; ++col) {
      if (w.GroundReachGrid(row, col) == kAssaultMark) ++count;
    }
  }
  return count;
}

bool AllNeighboursClosed(const World& w) {
  for (int i = 0; i < 9; ++i) {
    if (i != NeighbourMaskIndex(0, 0) && w.NeighbourMask[i] != kNeighbourClosed) return false;
  }
  return true;
}

// On a settlement held by a nation of the side on move; its value does not matter.
bool OnOwnSettlement(const World& w) {
  const TMapCell& c = Cell(w, w.Selection[1], w.Selection[2]);
  if (c.Settlement < 1 || c.Settlement > kMaxSettlements) return false;
  return IsOwn(w, Settlement(w, c.Settlement).HolderNation);
}

// Something the reserves can give where the formation may draw.
bool ReservesCanGive(const World& w, const TFormation& f) {
  const int n = RefitNation(f);
  if (n == 0) return false;
  const TFormationType& t = TypeOf(f);
  const TEconomy& e = w.Economy;
  const int row = NationIndex(n);
  bool offered = false;
  if (f.Men < t.Men && (e.VeteranPool[row] != 0 || e.RecruitPool[row] != 0)) offered = true;
  for (const EquipmentGroup& g : kEquipmentGroups) {
    for (int k = g.first; k <= g.last; ++k) {
      if (PlanSlotRefill(w, f, k, g).amount > 0) offered = true;
    }
  }
  if (f.Cars < t.Cars && e.CarPool[row] != 0) offered = true;
  if (f.Horses < t.Horses && e.HorsePool[row] != 0) offered = true;
  return offered;
}

}  // namespace

void ResetRefitPage(World& w) {
  TRefitPage& p = w.Refit.RefitPage;
  p.SelectedField = kAmmoField;
  p.ListCursor = 1;
  w.NeighbourMask.fill(kNeighbourOpen);
  w.NeighbourMask[NeighbourMaskIndex(0, 0)] = kNeighbourClosed;
  p.PendingAmount.fill(0);
  p.FieldChoice.fill(0);
  UpdateRefitPanel(w, kRefitPageOpened);
}

void RefitCheck(World& w) {
  TRefitPage& p = w.Refit.RefitPage;
  p.AutoRefitOffered = 0;
  w.Refit.RefitHereAllowed = 0;
  const TFormation* f = RefitFormation(w);
  if (f == nullptr) return;
  const int contacts = ContactCount(w);
  BuildNeighbourMask(w);
  if (AllNeighboursClosed(w)) {
    w.Refit.MessageNo = kRenewBlocked;
    return;
  }
  if (contacts == 0 && OnOwnSettlement(w)) w.Refit.RefitHereAllowed = 1;
  if (f->OrdersLeft != 2) return;
  // Ammunition is offered wherever the formation stands.
  if (f->Ammo < kFullAmmo) p.AutoRefitOffered = 1;
  if (w.Refit.RefitHereAllowed != 1) return;
  if (ReservesCanGive(w, *f)) p.AutoRefitOffered = 1;
}

}  // namespace gm
