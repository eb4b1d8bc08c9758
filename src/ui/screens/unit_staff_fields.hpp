// The Unit staff page's field list: the 33 fields with the formation's current values and what
// is booked on them, and the click that chooses a field.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

// Labels (the chosen field in the second font) and values of the formation on the selection.
void DrawRefitFields(UiContext& ctx);

// A click on a field row chooses that field and puts the candidate list back at its top.
// Returns true when a row was hit.
bool ClickRefitFields(UiContext& ctx);

}  // namespace gm
