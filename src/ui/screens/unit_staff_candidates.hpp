// The Unit staff page's candidate list: what the chosen field can draw on (the pools of men, or
// the models of a slot's category), its cursor, its arrows scrolling while the button is held,
// and the click that moves the cursor.
#pragma once

#include "ui/ui_context.hpp"

namespace gm {

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
