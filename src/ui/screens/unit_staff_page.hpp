// The Unit staff page: refitting the selected formation field by field from the nation's reserves.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

void DrawUnitStaffPage(UiContext& ctx);
void ClickUnitStaffPage(UiContext& ctx);
// The sidebar's Unit staff button: opens the page for the selected formation, with its check.
void OpenUnitStaffPage(UiContext& ctx);

}  // namespace gm
