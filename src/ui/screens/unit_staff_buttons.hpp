// The Unit staff page's buttons: the five amount buttons and the automatic refit down the right
// side, Apply and Close below; their dead look, their highlight under the pointer and their
// clicks.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

// Dead amount buttons, a withdrawn automatic refit and an Apply with nothing booked.
void DrawRefitDeadButtons(UiContext& ctx);
// The highlight of the button under the pointer, dead ones included.
void DrawRefitButtonHover(UiContext& ctx);

// In the page's order: Apply, Close (each returns true when it acted).
bool ClickRefitApply(UiContext& ctx);
bool ClickRefitClose(UiContext& ctx);
// The five amount buttons, then the automatic refit.
bool ClickRefitSteps(UiContext& ctx);
bool ClickRefitAutoFill(UiContext& ctx);

}  // namespace gm
