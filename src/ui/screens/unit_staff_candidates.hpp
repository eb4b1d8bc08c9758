// The Unit staff page's candidate list: what the chosen field can draw on (the pools of men, or
// the models of a slot's category), its cursor, its arrows scrolling while the button is held,
// and the click that moves the cursor.
#pragma once

#include "ui/hit_rect.hpp"
#include "ui/screens/list_scroll.hpp"
#include "ui/ui_context.hpp"
#include "world/refit_state.hpp"

namespace gm {

// The list: row r (1..20) of 15 pixels from y 75 + 15 r takes the click that moves the cursor;
// the arrows above and below it scroll an equipment field's models while the button is held.
inline constexpr HitRows kRefitCandidates{375, 584, 75, 15, kRefitListRows};
inline constexpr HitRect kRefitCandidateRows = kRefitCandidates.Area();
constexpr HitRect RefitCandidateRow(int row) {
  return kRefitCandidates.Row(row);
}
inline constexpr ListArrows kRefitCandidateArrows{{450, 75, 509, 89}, {450, 391, 509, 405}};

// The cursor bar under the highlighted row.
void DrawRefitCursorBar(UiContext& ctx);

// The rows shown, live ones in the second font, and the live arrows of an equipment field.
void DrawRefitCandidates(UiContext& ctx);

// Each frame while an equipment field is chosen: the arrows' limits, one step of a held arrow,
// then the page's refresh.
void ScrollRefitCandidates(UiContext& ctx);

// A click on a row moves the cursor there (the men field has two rows, the other supplies one).
// Returns true when the list was hit.
bool ClickRefitCandidates(UiContext& ctx);

}  // namespace gm
