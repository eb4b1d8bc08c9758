// The Unit staff page: refitting the selected formation field by field from its nation's
// reserves, or in one go with the automatic refit.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

// The whole page each frame while it is open, with the candidate list's held scrolling.
void DrawUnitStaffPage(UiContext& ctx);
// A click on the page: Apply, Close, the field list, the candidate list, the amount buttons and
// the automatic refit, each tested in turn.
void ClickUnitStaffPage(UiContext& ctx);

}  // namespace gm
