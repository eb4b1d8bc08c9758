// The Unit staff page: refitting the selected formation field by field from the nation's reserves.
#include "ui/screens/unit_staff_page.hpp"

namespace gm {

void DrawUnitStaffPage(UiContext& /*ctx*/) {}
void ClickUnitStaffPage(UiContext& /*ctx*/) {}
void OpenUnitStaffPage(UiContext& /*ctx*/) {}

}  // namespace gm
