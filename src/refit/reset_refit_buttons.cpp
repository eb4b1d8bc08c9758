// The men field's one-pool rule for the step buttons.
#include "refit/reset_refit_buttons.hpp"

#include "refit/renew_messages.hpp"

namespace gm {

void ResetRefitButtons(World& w) {
  TRefitPage& p = w.Refit.RefitPage;
  const int f = p.SelectedField;
  if (f != kMenField && (f < kFirstEquipmentField || f > kRefitFieldCount)) return;
  const std::uint16_t choice = p.Choice(f);
  if (choice == 0 || choice == p.ListCursor) return;
  p.StepEnabled.fill(0);
  w.Refit.MessageNo = kRenewOtherModelBooked;
}

}  // namespace gm
