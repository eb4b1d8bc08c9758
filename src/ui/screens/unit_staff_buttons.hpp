// The Unit staff page's buttons: the five amount buttons and the automatic refit down the right
// side, Apply and Close below; their dead look, their highlight under the pointer and their
// clicks.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"
#include "world/refit_state.hpp"

namespace gm {

// The right-hand column, 60 pixels a button: rows 0..4 the amounts +1, +5, +10, +100 and +1000,
// row 5 the automatic refit.
inline constexpr int kRefitAutoFillRow = kRefitStepCount;
constexpr HitRect RefitColumnButton(int row) {
  return {600, 60 + 60 * row, 659, 119 + 60 * row};
}
inline constexpr HitRect kRefitApplyButton{380, 430, 459, 469};
inline constexpr HitRect kRefitCloseButton{500, 430, 579, 469};

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
