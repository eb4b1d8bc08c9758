// The unit staff page's refresh and its dispatch to the field rules.
#include "refit/update_refit_panel.hpp"

#include <algorithm>

#include "refit/equipment_fields.hpp"
#include "refit/refit_conditions.hpp"
#include "refit/renew_messages.hpp"
#include "refit/supply_fields.hpp"

namespace gm {

void UpdateRefitPanel(World& w, std::uint8_t Mode) {
  TRefitPage& p = w.Refit.RefitPage;
  // The total only says whether anything is booked: it stops at 65,535 rather than wrap to 0.
  std::uint32_t total = 0;
  for (std::uint16_t a : p.PendingAmount) total += a;
  p.PendingTotal = static_cast<std::uint16_t>(std::min<std::uint32_t>(total, 65535));

  const int field = p.SelectedField;
  if (field < 1 || field > kRefitFieldCount) return;

  // Modes 1 and 2 put the candidate list's view back at its top; a refresh keeps it.
  if (Mode == kRefitPageOpened || Mode == kRefitFieldChosen) {
    const bool equipment = field >= kFirstEquipmentField;
    p.ListFirst = 1;
    p.ListCount = 1;
    p.ListTop = 1;
    p.ListBottom = equipment ? kRefitListRows : 1;
    p.CanScrollUp = 0;
    p.CanScrollDown = equipment ? 1 : 0;
  }
  const TFormation* f = RefitFormation(w);
  if (f == nullptr) {
    // No ground formation under the selection: nothing can be booked.
    p.CandidateEnabled.fill(0);
    p.StepEnabled.fill(0);
    w.Refit.MessageNo = kRenewNeedsBothOrders;
    return;
  }

  switch (field) {
    case kAmmoField:
      RefreshAmmoField(w, *f);
      break;
    case kMenField:
      RefreshMenField(w, *f);
      break;
    case kCarsField:
    case kHorsesField:
      RefreshCarsOrHorsesField(w, *f, field);
      break;
    default:
      RefreshEquipmentField(w, *f, field);
      break;
  }
}

}  // namespace gm
