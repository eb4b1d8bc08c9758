// Booking a step on the unit staff page.
#include "refit/book_refit_step.hpp"

#include "refit/update_refit_panel.hpp"
#include "world/world_access.hpp"

namespace gm {

void BookRefitStep(World& w, int button) {
  TRefitPage& p = w.Refit.RefitPage;
  if (button < 1 || button > kRefitStepCount || p.Step(button) != 1) return;
  const int field = p.SelectedField;
  if (field < 1 || field > kRefitFieldCount) return;
  if (field != kAmmoField && p.Pending(field) == 0) {
    if (field < kFirstEquipmentField) {
      p.Choice(field) = p.ListCursor;
    } else {
      const int entry = p.ListTop + p.ListCursor - 1;
      p.Choice(field) = entry >= 1 && entry <= kRefitCandidateCount ? p.Candidate(entry) : 0;
    }
  }
  p.Pending(field) = SaturatingAdd16(p.Pending(field), kRefitSteps[button - 1]);
  UpdateRefitPanel(w, kRefitRefresh);
  p.AutoRefitOffered = 0;
}

}  // namespace gm
