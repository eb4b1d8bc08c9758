// The Unit staff page's field list: the 33 fields with the formation's current values and what
// is booked on them, and the click that chooses a field.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/ui_context.hpp"
#include "world/refit_state.hpp"

namespace gm {

// The field rows: field f (1..33) of 12 pixels from y 60 + 12 f.
inline constexpr HitRows kRefitFields{72, 348, 60, 12, kRefitFieldCount};
inline constexpr HitRect kRefitFieldRows = kRefitFields.Area();
constexpr HitRect RefitFieldRow(int field) {
  return kRefitFields.Row(field);
}

// Labels (the chosen field in the second font) and values of the formation on the selection.
void DrawRefitFields(UiContext& ctx);

// A click on a field row chooses that field and puts the candidate list back at its top.
// Returns true when a row was hit.
bool ClickRefitFields(UiContext& ctx);

}  // namespace gm
